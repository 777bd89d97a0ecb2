// The operator's input: events posted to the owner thread, right clicks, list keys.
#include <cstdlib>
#include <utility>

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

#include "framework/engine/qt/qt_engine_impl.h"

namespace zrv {

using qt::qs;

// ---------------------------------------------------------------------------------------------
// Events to the owner thread

void QtEngine::Impl::post_event(Mirror& m, EventKind kind, int control, std::function<void(Window&)> apply, int keycode) {
    if (!m.alive || m.applying) return;
    Event e;
    e.kind = kind;
    e.control = control;
    e.keycode = keycode;
    e.apply = std::move(apply);
    m.window->post(std::move(e));
}

void QtEngine::Impl::post_typing(Mirror& m, int n, std::string shown) {
    if (!m.alive || m.applying) return;
    Event e;
    e.kind = EventKind::Typing;
    e.control = n;
    e.text = std::move(shown);
    m.window->post(std::move(e));
}

void QtEngine::Impl::on_right_click(Mirror& m, QWidget* w, int n) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(w, &QWidget::customContextMenuRequested, w, with_mirror(m, [this, n](Mirror& mp, const QPoint&) {
                         post_event(mp, EventKind::AlertKey, n, {}, kMouseRightKey);
                     }));
}

// The model's code of a key that moves a list's rows in an entry too (Home and End move
// within the entry's text); 0 for any other key.
static int row_key(int qt_key) {
    switch (qt_key) {
        case Qt::Key_Up:
            return kUpKey;
        case Qt::Key_Down:
            return kDownKey;
        case Qt::Key_PageUp:
            return kPageUpKey;
        case Qt::Key_PageDown:
            return kPageDownKey;
        default:
            return 0;
    }
}

// The list shows one page of its rows: the keys and the wheel that would move past it go to
// the model, which scrolls the whole order; typed characters locate.
bool QtEngine::Impl::list_key(Mirror& m, int n, QEvent* e) {
    int key = 0;
    int times = 1;
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        switch (k->key()) {
            case Qt::Key_Home:
                key = kHomeKey;
                break;
            case Qt::Key_End:
                key = kEndKey;
                break;
            default: {
                if ((key = row_key(k->key()))) break;
                // The character the key typed, of any script (one code point: a letter beyond
                // the BMP comes as two UTF-16 halves).
                const QList<uint> typed = k->text().toUcs4();
                if (typed.size() == 1 && QChar::isPrint(static_cast<char32_t>(typed[0])) &&
                    !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                    key = typed_key(static_cast<char32_t>(typed[0]));
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

void QtEngine::Impl::watch_control(Mirror& m, QWidget* w, int n) {
    auto weak = std::weak_ptr<Mirror>(find(*m.window));
    w->installEventFilter(new qt::EventHook(w, [this, weak, n](QObject*, QEvent* e) {
        auto mp = weak.lock();
        return mp && mp->alive && control_event(*mp, n, e);
    }));
}

bool QtEngine::Impl::control_event(Mirror& m, int n, QEvent* e) {
    auto it = m.views.find(n);
    if (it == m.views.end()) return false;
    const ControlKind kind = it->second.state.kind;
    if (e->type() == QEvent::FocusIn) {
        // Entering a control is its selected event; the focus coming back to the control that
        // has it in the model (after a message box, a menu or another window) is not.
        if (m.told_focus != n && m.alive && !m.applying) {
            m.told_focus = n;
            post_event(m, EventKind::Selected, n, [n, moves = m.window->focus_moves()](Window& w) { w.operator_focus(n, moves); });
        }
        return false;
    }
    if (e->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason)
        // Left, an entry shows its text from the start, as a text the program sets: a name too
        // long for its box is cut at its end, not at its start where the typing ended.
        if (auto* edit = qobject_cast<QLineEdit*>(it->second.widget.data())) edit->setCursorPosition(0);
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_H && (k->modifiers() & Qt::ControlModifier)) {
            // The field's history copy replaces what was typed.
            if (auto* edit = qobject_cast<QLineEdit*>(it->second.widget.data()); edit && it->second.dirty) {
                Applying guard(m);
                edit->setText(qs(it->second.state.text));
            }
            it->second.dirty = false;
            post_event(m, EventKind::AlertKey, n, {}, kCtrlHKey);
            return true;
        }
        if (k->key() == Qt::Key_Escape && k->modifiers() == Qt::NoModifier) {
            press_escape(m, n);
            return true;
        }
        const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        if (enter && kind != ControlKind::Button && press_default(m, n)) return true;
        // An entry that locates as it is typed into (a list's locator) lets the keys that move
        // rows go to its list: what was typed is accepted first, then the key goes to the model.
        if (kind == ControlKind::Entry && it->second.state.immediate && k->modifiers() == Qt::NoModifier)
            if (const int key = row_key(k->key())) {
                commit_entry(m, n);
                post_event(m, EventKind::AlertKey, n, {}, key);
                return true;
            }
    }
    return kind == ControlKind::List && list_key(m, n, e);
}

void QtEngine::Impl::commit_entry(Mirror& m, int n) {
    auto it = m.views.find(n);
    if (it == m.views.end() || !it->second.dirty) return;
    it->second.dirty = false;
    auto* edit = qobject_cast<QLineEdit*>(it->second.widget.data());
    if (!edit) return;
    std::string text = edit->text().toStdString();
    // What was typed is the operator's, also when the model moves the focus away from it.
    const int applying = std::exchange(m.applying, 0);
    post_event(m, EventKind::Accepted, n, [n, text](Window& w) { w.operator_type(n, text); });
    m.applying = applying;
}

void QtEngine::Impl::commit_typing(Mirror& m) {
    std::vector<int> typed;
    for (const auto& [n, v] : m.views)
        if (v.dirty) typed.push_back(n);
    for (int n : typed) commit_entry(m, n);
}

bool QtEngine::Impl::press_default(Mirror& m, int from) {
    for (auto& [n, v] : m.views) {
        if (v.state.kind != ControlKind::Button || !v.state.is_default || !v.widget) continue;
        if (!v.widget->isVisible() || !v.widget->isEnabled()) return false;
        // The entry's accept comes first, with nothing between it and the press.
        commit_entry(m, from);
        post_event(m, EventKind::Accepted, n);
        return true;
    }
    return false;
}

void QtEngine::Impl::press_escape(Mirror& m, int from) {
    // What was typed is accepted first, as leaving the entry for a click on the button does;
    // the window's controller knows which button Escape presses.
    commit_entry(m, from);
    post_event(m, EventKind::AlertKey, from, {}, kEscapeKey);
}

void QtEngine::Impl::watch_window_keys(Mirror& m, QWidget* canvas) {
    // Escape where no control of the window takes it: the window itself (its canvas, or the
    // frame's child window around it), or a widget of a control that lets the key go by (a
    // sheet's tab bar).
    auto weak = std::weak_ptr<Mirror>(find(*m.window));
    for (QWidget* w : {canvas, m.top.data() != canvas ? m.top.data() : nullptr}) {
        if (!w) continue;
        w->installEventFilter(new qt::EventHook(w, [this, weak](QObject*, QEvent* e) {
            auto* k = e->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(e) : nullptr;
            if (!k || k->key() != Qt::Key_Escape || k->modifiers() != Qt::NoModifier) return false;
            auto mp = weak.lock();
            if (!mp || !mp->alive) return false;
            press_escape(*mp, 0);
            return true;
        }));
    }
}

void QtEngine::Impl::apply_focus(Mirror& m) {
    const std::uint64_t moves = m.window->focus_moves();
    if (moves == m.applied_focus_moves) return;
    m.applied_focus_moves = moves;
    m.told_focus = m.window->focus();
    auto it = m.views.find(m.told_focus);
    if (it == m.views.end() || !it->second.widget) return;
    if (m.sub && m.sub->mdiArea()) m.sub->mdiArea()->setActiveSubWindow(m.sub);
    else if (m.top && m.top->isWindow()) m.top->activateWindow();
    it->second.widget->setFocus(Qt::OtherFocusReason);
}

}  // namespace zrv
