// The operator's input: events posted to the owner thread, right clicks, list keys.
#include <cstdlib>

#include <QKeyEvent>
#include <QWheelEvent>

#include "framework/engine/qt/qt_engine_impl.h"

namespace zrv {

using qt::qs;

// ---------------------------------------------------------------------------------------------
// Events to the owner thread

void QtEngine::Impl::post_event(Mirror& m, EventKind kind, int control, std::function<void(Window&)> apply,
                                int keycode) {
    if (!m.alive || m.applying) return;
    Event e;
    e.kind = kind;
    e.control = control;
    e.keycode = keycode;
    e.apply = std::move(apply);
    m.window->post(std::move(e));
}

void QtEngine::Impl::on_right_click(Mirror& m, QWidget* w, int n) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(w, &QWidget::customContextMenuRequested, w, with_mirror(m, [this, n](Mirror& mp, const QPoint&) {
                         post_event(mp, EventKind::AlertKey, n, {}, kMouseRightKey);
                     }));
}

// The list shows one page of its rows: the keys and the wheel that would move past it go to
// the model, which scrolls the whole order; typed characters locate.
bool QtEngine::Impl::list_key(Mirror& m, int n, QEvent* e) {
    int key = 0;
    int times = 1;
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        switch (k->key()) {
            case Qt::Key_Up: key = kUpKey; break;
            case Qt::Key_Down: key = kDownKey; break;
            case Qt::Key_PageUp: key = kPageUpKey; break;
            case Qt::Key_PageDown: key = kPageDownKey; break;
            case Qt::Key_Home: key = kHomeKey; break;
            case Qt::Key_End: key = kEndKey; break;
            default: {
                const QString text = k->text();
                if (text.size() == 1 && text[0].unicode() >= 0x20 && text[0].unicode() < 0x7F &&
                    !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                    key = text[0].unicode();
            }
        }
    } else if (e->type() == QEvent::Wheel) {
        const int steps = static_cast<QWheelEvent*>(e)->angleDelta().y() / 120;
        if (steps == 0) return true;
        key = steps > 0 ? kUpKey : kDownKey;
        times = 3 * std::abs(steps);
    }
    if (!key) return false;
    for (int i = 0; i < times; ++i) post_event(m, EventKind::AlertKey, n, {}, key);
    return true;
}

}  // namespace zrv
