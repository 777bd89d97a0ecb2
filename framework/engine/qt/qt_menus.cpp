// The frame's menus, its Window list and its status bar.
#include <QMenuBar>
#include <QApplication>
#include <QStatusBar>

#include "framework/engine/qt/qt_engine_impl.h"

namespace zrv {

using qt::qs;

// ---------------------------------------------------------------------------------------------
// Menus and status bar of the frame

void QtEngine::Impl::rebuild_menus(Mirror& m) {
    QMenuBar* bar = m.main->menuBar();
    for (QMenu* old : bar->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) old->deleteLater();
    bar->clear();
    m.window_menu = nullptr;
    m.window_list.clear();
    for (auto& [n, v] : m.views) {
        const ControlState& c = v.state;
        if (c.kind != ControlKind::Menu) continue;
        auto parent = m.views.find(c.parent);
        if (c.parent != 0 && parent != m.views.end() && parent->second.state.kind == ControlKind::Menu) continue;
        QMenu* menu = bar->addMenu(qs(c.text));
        menu->menuAction()->setVisible(!c.hidden);
        menu->setEnabled(!c.disabled);
        add_menu_items(m, menu, n, 0);
        if (c.text == "&Window") {
            m.window_menu = menu;
            QObject::connect(menu, &QMenu::aboutToShow, menu, [this, weak = std::weak_ptr<Mirror>(find(*m.window))] {
                if (auto mp = weak.lock(); mp && mp->alive) refresh_window_list(*mp);
            });
        }
    }
}

void QtEngine::Impl::add_menu_items(Mirror& m, QMenu* menu, int parent, int depth) {
    if (depth > 8) return;
    auto weak = std::weak_ptr<Mirror>(find(*m.window));
    QObject::connect(menu, &QMenu::aboutToHide, menu, [this, weak] {
        if (auto mp = weak.lock(); mp && mp->alive) refresh_status(*mp);
    });
    for (auto& [n, v] : m.views) {
        const ControlState& c = v.state;
        if (c.parent != parent) continue;
        switch (c.kind) {
            case ControlKind::Separator:
                menu->addSeparator()->setVisible(!c.hidden);
                break;
            case ControlKind::Menu: {
                QMenu* child = menu->addMenu(qs(c.text));
                child->menuAction()->setVisible(!c.hidden);
                child->setEnabled(!c.disabled);
                add_menu_items(m, child, n, depth + 1);
                break;
            }
            case ControlKind::Item: {
                QAction* action = menu->addAction(qs(c.text));
                action->setVisible(!c.hidden);
                action->setEnabled(!c.disabled);
                const int number = n;
                QObject::connect(action, &QAction::triggered, action, [this, weak, number] {
                    if (auto mp = weak.lock(); mp && mp->alive) post_event(*mp, EventKind::Accepted, number);
                });
                QObject::connect(action, &QAction::hovered, action, [this, weak, message = c.message] {
                    if (auto mp = weak.lock(); mp && mp->alive) show_zone_text(*mp, 1, message);
                });
                break;
            }
            default:
                break;
        }
    }
}

void QtEngine::Impl::refresh_window_list(Mirror& m) {
    for (auto& a : m.window_list) delete a.data();
    m.window_list.clear();
    if (!m.window_menu || !m.area) return;
    const QList<QMdiSubWindow*> subs = m.area->subWindowList();
    if (subs.isEmpty()) return;
    m.window_list.push_back(m.window_menu->addSeparator());
    int i = 0;
    for (QMdiSubWindow* sub : subs) {
        ++i;
        const QString text = (i < 10 ? QStringLiteral("&%1 ").arg(i) : QStringLiteral("%1 ").arg(i)) + sub->windowTitle();
        QAction* action = m.window_menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(sub == m.area->activeSubWindow());
        QPointer<QMdiSubWindow> target = sub;
        QPointer<QMdiArea> area = m.area;
        QObject::connect(action, &QAction::triggered, action, [target, area] {
            if (!target || !area) return;
            if (target->isMinimized()) target->showNormal();
            area->setActiveSubWindow(target);
        });
        m.window_list.push_back(action);
    }
}

void QtEngine::Impl::rebuild_status(Mirror& m) {
    if (!m.main && !m.status_bar) {
        if (m.status.empty() || !m.canvas) return;
        m.status_bar = new QStatusBar(m.canvas);
        m.status_bar->setSizeGripEnabled(false);
        m.status_bar->show();
    }
    QStatusBar* bar = m.main ? m.main->statusBar() : m.status_bar.data();
    // A status bar is drawn in the system's colours, whatever the window's own: its text on a
    // black board would not be seen.
    QPalette system = QApplication::palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        system.setColor(r, system.color(r));  // set, so that it is not taken from the window
    }
    bar->setPalette(system);
    bar->setAutoFillBackground(true);
    for (auto& z : m.zones) delete z.data();
    m.zones.clear();
    for (const StatusZone& zone : m.status) {
        auto* label = new QLabel(bar);
        label->setTextFormat(Qt::PlainText);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        // As high empty as with a line of text: the bar, and the window below its controls, keep
        // their height when a text comes (the window's last line would go under the bar).
        label->setText(QStringLiteral("X"));
        label->setMinimumHeight(label->sizeHint().height());
        label->clear();
        if (zone.width >= 0) {
            label->setFixedWidth(to_px_x(zone.width));
            bar->addWidget(label, 0);
        } else {
            label->setMinimumWidth(1);
            bar->addWidget(label, 1);
        }
        m.zones.push_back(label);
    }
}

void QtEngine::Impl::refresh_status(Mirror& m) {
    for (std::size_t i = 0; i < m.zones.size(); ++i) {
        if (!m.zones[i]) continue;
        std::string text = m.window->shown_status(static_cast<int>(i) + 1);
        if (i == 0 && m.area)
            if (std::shared_ptr<Mirror> shown = shown_in_frame(m))
                if (std::string message = shown->window->focus_message(); !message.empty()) text = message;
        m.zones[i]->setText(qs(text));
    }
}

std::shared_ptr<qt::Mirror> QtEngine::Impl::shown_in_frame(const Mirror& frame) const {
    // The active floating window comes first: it has the operator's keys.
    QWidget* active_window = QApplication::activeWindow();
    QMdiSubWindow* active_child = frame.area ? frame.area->activeSubWindow() : nullptr;
    std::shared_ptr<Mirror> child_shown;
    std::lock_guard lock(mutex);
    for (auto& [w, other] : mirrors) {
        if (!other->alive || !other->status.empty() || !other->top) continue;
        if (other->kind == WindowKind::Floating && active_window && other->top == active_window) return other;
        if (other->kind == WindowKind::MdiChild && active_child && other->sub == active_child) child_shown = other;
    }
    return child_shown;
}

void QtEngine::Impl::place_status_bar(Mirror& m) {
    if (!m.status_bar || !m.canvas) return;
    const int height = m.status_bar->sizeHint().height();
    m.status_bar->setGeometry(0, m.canvas->height() - height, m.canvas->width(), height);
    m.status_bar->raise();
}

qt::Mirror* QtEngine::Impl::frame_mirror() const {
    std::lock_guard lock(mutex);
    for (auto& [w, m] : mirrors)
        if (m->kind == WindowKind::Frame && m->alive && m->main) return m.get();
    return nullptr;
}

void QtEngine::Impl::show_zone_text(Mirror& m, int zone, const std::string& text) {
    if (zone >= 1 && zone <= static_cast<int>(m.zones.size()) && m.zones[zone - 1]) m.zones[zone - 1]->setText(qs(text));
}

}  // namespace zrv
