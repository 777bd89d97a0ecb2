// Building, syncing and destroying the widgets of a window; its placement; arranging the
// frame's child windows.
#include <algorithm>

#include <QMouseEvent>
#include <QScreen>

#include "framework/engine/qt/qt_engine_impl.h"

namespace zrv {

using qt::qs;

// ---------------------------------------------------------------------------------------------
// Building and destroying the widgets of a window

void QtEngine::Impl::build(Mirror& m) {
    m.built = true;
    Window& w = *m.window;
    m.told_focus = w.focus();
    auto mirror = find(w);
    auto watch = [this, weak = std::weak_ptr<Mirror>(mirror)](QObject*, QEvent* e) {
        auto mp = weak.lock();
        if (!mp || !mp->alive) return false;
        switch (e->type()) {
            case QEvent::Close:
                e->ignore();  // the model decides; closing the model removes the widget
                post_event(*mp, EventKind::CloseWindow, 0);
                return true;
            case QEvent::WindowStateChange:
                // A child maximized or restored: its smallest size and its controls' scale follow.
                if (mp->sub) {
                    apply_minimum(*mp);
                    if (QMdiArea* area = mp->sub->mdiArea(); area && mp->sub->isMaximized())
                        post([sub = mp->sub, area = QPointer<QMdiArea>(area)] {
                            if (sub && area && sub->isMaximized()) sub->setGeometry(QRect(QPoint(0, 0), area->viewport()->size()));
                        });
                    relayout(*mp);
                }
                report_placement(*mp);
                return false;
            case QEvent::Move:
            case QEvent::Resize:
                report_placement(*mp);
                return false;
            default:
                return false;
        }
    };
    if (m.kind == WindowKind::Frame) {
        auto* main = new QMainWindow;
        auto* area = new QMdiArea(main);
        area->setViewMode(QMdiArea::SubWindowView);  // no tab bar of open child windows
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        main->setCentralWidget(area);
        QPixmap wallpaper = qt::load_pixmap(w.wallpaper());
        if (!wallpaper.isNull()) area->setBackground(QBrush(wallpaper));
        else if (auto c = qt::to_qcolor(w.colour())) area->setBackground(QBrush(*c));
        main->statusBar();
        QObject::connect(area, &QMdiArea::subWindowActivated, area, [this, weak = std::weak_ptr<Mirror>(mirror)] {
            if (auto mp = weak.lock(); mp && mp->alive) refresh_status(*mp);
        });
        // Another window becoming the active one (a floating window's messages show here too).
        QObject::connect(qApp, &QApplication::focusChanged, area, [this, weak = std::weak_ptr<Mirror>(mirror)] {
            if (auto mp = weak.lock(); mp && mp->alive) refresh_status(*mp);
        });
        m.main = main;
        m.area = area;
        m.top = main;
        frame_area = area;
    } else {
        auto* canvas = new qt::Canvas;
        m.canvas = canvas;
        canvas->hint = QSize(to_px_x(w.layout_width()), to_px_y(w.layout_height()));
        if (m.kind == WindowKind::MdiChild && frame_area) {
            m.client = new qt::ClientScroll(canvas);
            QMdiSubWindow* sub = frame_area->addSubWindow(m.client);
            sub->setAttribute(Qt::WA_DeleteOnClose, false);
            m.sub = sub;
            m.top = sub;
        } else {
            canvas->setWindowFlag(Qt::Window);
            m.top = canvas;
        }
        if (auto c = qt::to_qcolor(w.colour())) {
            QPalette pal = canvas->palette();
            pal.setColor(QPalette::Window, *c);
            canvas->setPalette(pal);
            canvas->setAutoFillBackground(true);
        }
        canvas->hint = QSize(to_px_x(w.layout_width()), to_px_y(w.layout_height()));
        canvas->on_resize = [this, weak = std::weak_ptr<Mirror>(mirror)] {
            auto mp = weak.lock();
            if (!mp || !mp->alive) return;
            if (scales(*mp) || mp->fit < 1 || mp->laid_out_scaled) relayout(*mp);
            place_status_bar(*mp);
        };
        canvas->on_press = [this, weak = std::weak_ptr<Mirror>(mirror)](QMouseEvent* e) {
            if (auto mp = weak.lock(); mp && e->button() == Qt::RightButton)
                post_event(*mp, EventKind::AlertKey, 0, {}, kMouseRightKey);
        };
        if (!w.maximize_box()) m.top->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        if (canvas != m.top.data()) canvas->installEventFilter(new qt::EventHook(canvas, watch));
        watch_window_keys(m, canvas);
    }
    m.top->installEventFilter(new qt::EventHook(m.top, watch));
    QPixmap icon = qt::load_pixmap(w.icon());
    if (!icon.isNull()) m.top->setWindowIcon(QIcon(icon));
}

void QtEngine::Impl::destroy(Mirror& m) {
    m.alive = false;
    m.views.clear();
    if (m.top) {
        if (m.area && frame_area == m.area) frame_area = nullptr;
        m.top->hide();
        delete m.top.data();
    }
    // The window it was opened from comes to the front, not whichever the frame would choose:
    // at once, and again once the frame has done its own choosing.
    if (Window* opener = m.window ? m.window->opener() : nullptr)
        if (auto o = find(*opener)) {
            const auto to_front = [weak = std::weak_ptr<Mirror>(o)] {
                auto mp = weak.lock();
                if (!mp || !mp->alive || !mp->top) return;
                if (mp->sub && mp->sub->mdiArea()) {
                    mp->sub->mdiArea()->setActiveSubWindow(mp->sub);
                } else {
                    mp->top->raise();
                    mp->top->activateWindow();
                }
            };
            to_front();
            post(to_front);
        }
}

// ---------------------------------------------------------------------------------------------
// Syncing a window with its model

void QtEngine::Impl::sync(Mirror& m) {
    m.sync_pending = false;  // a change after this point asks for another sync
    if (!m.alive) return;
    Applying guard(m);
    const bool first = !m.built;
    if (first) build(m);
    if (!m.top) return;  // its widgets went with the frame
    Window& w = *m.window;
    const std::uint64_t revision = w.revision();
    if (!first && revision == m.applied_revision) return;
    m.scaled = w.resize_strategy() == ResizeStrategy::Scale || m.kind == WindowKind::Floating;
    apply_window(m, first);
    // Only the controls changed since the last sync are copied and applied.
    sync_controls(m, w.controls_since(first ? 0 : m.applied_revision));
    place_status_bar(m);
    m.applied_revision = revision;
    if (!m.shown) {
        m.shown = true;
        if (m.seen.minimized) m.top->showMinimized();
        else if (m.seen.maximized) m.top->showMaximized();
        else m.top->show();
        m.reported = current_placement(m);
        m.placement_known = true;
    }
    apply_focus(m);
    // A window without a status bar of its own shows its control's message in the frame's.
    if (m.kind != WindowKind::Frame && m.status.empty())
        if (Mirror* frame = frame_mirror()) refresh_status(*frame);
}

void QtEngine::Impl::apply_window(Mirror& m, bool first) {
    Window& w = *m.window;
    if (std::string title = w.title(); first || title != m.title) {
        m.title = title;
        m.top->setWindowTitle(qs(title));
        if (m.canvas && m.canvas != m.top) m.canvas->setWindowTitle(qs(title));
    }
    std::vector<StatusZone> status = w.status();
    const bool same_shape = !first && status.size() == m.status.size() &&
                            std::equal(status.begin(), status.end(), m.status.begin(),
                                       [](const StatusZone& a, const StatusZone& b) { return a.width == b.width; });
    m.status = std::move(status);
    if (!same_shape) rebuild_status(m);
    refresh_status(m);
    const Placement p = model_placement(w);
    const bool placed_by_model = first || !(p == m.seen);
    // A placement from the program (its first, or one restored) fits the room it opens in.
    if (placed_by_model && std::find(m.in_flight.begin(), m.in_flight.end(), p) == m.in_flight.end()) {
        const double before = m.fit;
        m.fit = fit_of(m, p);
        if (!first && m.fit != before) relayout(m);
    }
    apply_minimum(m);
    if (placed_by_model) {
        auto it = std::find(m.in_flight.begin(), m.in_flight.end(), p);
        if (!first && it != m.in_flight.end()) {
            m.in_flight.erase(m.in_flight.begin(), it + 1);  // the operator's own move arriving
        } else {
            m.in_flight.clear();
            apply_placement(m, p);
        }
        m.seen = p;
    }
}

void QtEngine::Impl::apply_minimum(Mirror& m) {
    if (!m.canvas) return;
    Window& w = *m.window;
    const QSize bar(0, bar_height(m));
    if (!w.is_resizable()) {
        m.canvas->setFixedSize(QSize(to_px_x(w.width() * m.fit), to_px_y(w.height() * m.fit)) + bar);
        return;
    }
    // A floating window that keeps its controls' places scales them as it is made smaller.
    if (!m.sub && w.resize_strategy() != ResizeStrategy::Scale) {
        m.canvas->setMinimumSize(0, 0);
        return;
    }
    // A child window made smaller keeps its whole layout within reach (the frame's area
    // scrolls); maximized, it fits the area down to its readable scale.
    const bool maximized = m.sub && (m.sub->isMaximized() || (!m.shown && model_placement(w).maximized));
    const double least = maximized ? std::min(m.fit, readable_fit()) : m.fit;
    m.canvas->setMinimumSize(QSize(to_px_x(w.layout_width() * least), to_px_y(w.layout_height() * least)) + bar);
}

qt::Placement QtEngine::Impl::current_placement(const Mirror& m) const {
    Placement p;
    QRect r;
    if (m.main) {
        r = m.main->geometry();
        p.maximized = m.main->isMaximized();
        p.minimized = m.main->isMinimized();
    } else if (m.sub) {
        // What the client shows of the canvas (all of it, unless it scrolls).
        const QSize shown = m.client ? m.client->size().boundedTo(m.canvas->size()) - QSize(0, bar_height(m)) : QSize();
        r = QRect(m.sub->geometry().topLeft(), m.canvas ? shown : m.sub->size());
        p.maximized = m.sub->isMaximized();
        p.minimized = m.sub->isMinimized();
    } else if (m.canvas) {
        r = QRect(m.canvas->geometry().topLeft(), client_size(m));
        p.maximized = m.canvas->isMaximized();
        p.minimized = m.canvas->isMinimized();
    }
    p.x = to_units_x(r.x());
    p.y = to_units_y(r.y());
    p.width = to_units_x(r.width());
    p.height = to_units_y(r.height());
    return p;
}

QRect QtEngine::Impl::room_of(const Mirror& m) const {
    if (m.sub) {
        QMdiArea* area = m.sub->mdiArea();
        return area && area->isVisible() ? QRect(QPoint(0, 0), area->viewport()->size()) : QRect();
    }
    const QScreen* screen = m.top && m.top->screen() ? m.top->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// A floating window's title bar and borders, as a window manager draws them.
static const QSize kFloatingFrame(16, 40);

// What a child window's title bar and borders take of it: the margins it leaves its client
// area once polished (before, its size hint's count).
static QSize sub_frame(QMdiSubWindow& sub) {
    sub.ensurePolished();
    const QMargins margins = sub.contentsMargins();
    if (margins.isNull()) return sub.sizeHint() - (sub.widget() ? sub.widget()->sizeHint() : QSize(0, 0));
    return {margins.left() + margins.right(), margins.top() + margins.bottom()};
}

// The window's frame (title bar, borders) around its client area, as its kind draws it.
static QSize frame_of(const qt::Mirror& m) {
    if (m.sub && m.canvas) return sub_frame(*m.sub);
    if (m.top && m.top->isWindow() && !m.main) return kFloatingFrame;
    return QSize(0, 0);
}

double QtEngine::Impl::fit_of(const Mirror& m, const Placement& p) const {
    const QRect room = room_of(m);
    if (p.maximized || p.minimized || room.width() < 100 || room.height() < 100) return 1;
    const QSize frame = frame_of(m) + QSize(0, bar_height(m));
    // The size it opens at, within the room: a size saved beyond any screen counts as the room.
    const Window& w = *m.window;
    const double width = std::min<double>(w.is_resizable() ? w.layout_width() : p.width, p.width);
    const double height = std::min<double>(w.is_resizable() ? w.layout_height() : p.height, p.height);
    const double across = (room.width() - frame.width()) / (std::max(1.0, width) * unit_x());
    const double down = (room.height() - frame.height()) / (std::max(1.0, height) * unit_y());
    return std::clamp(std::min(across, down), m.sub ? readable_fit() : 0.1, 1.0);
}

void QtEngine::Impl::apply_placement(Mirror& m, const Placement& p) {
    QWidget* top = m.top;
    QRect r(to_px_x(p.x), to_px_y(p.y), to_px_x(p.width * m.fit), to_px_y(p.height * m.fit));
    // A floating window without a position of its own opens within the frame's area, below
    // its menu.
    const Window& w = *m.window;
    const bool own_place = p.x != w.layout_x() || p.y != w.layout_y();
    if (!m.sub && m.canvas && m.kind != WindowKind::Frame && frame_area && frame_area->isVisible() && !own_place)
        r.translate(frame_area->viewport()->mapToGlobal(QPoint(0, 0)));
    // The frame without a placement of its own opens over the screen, room left for its title
    // bar and borders: the screens it holds are laid out for the hall's displays, not for its
    // layout's small default.
    if (m.main && !own_place && p.width == w.layout_width() && p.height == w.layout_height())
        if (const QRect room = room_of(m); room.width() >= 100 && room.height() >= 100)
            r = QRect(room.topLeft(), (room.size() - kFloatingFrame).expandedTo(r.size()).boundedTo(room.size()));
    // A window placed outside its room (saved on a larger display) is brought back onto it, and
    // a size larger than the room is limited to it; a window that keeps its controls' places
    // does not become smaller than its layout (the frame's area scrolls).
    if (const QRect room = room_of(m); room.width() >= 100 && room.height() >= 100) {
        const QSize frame = frame_of(m) + QSize(0, bar_height(m));
        const QSize least = m.canvas ? m.canvas->minimumSize() - QSize(0, bar_height(m)) : QSize();
        r.setWidth(std::max(least.width(), std::min(r.width(), room.width() - frame.width())));
        r.setHeight(std::max(least.height(), std::min(r.height(), room.height() - frame.height())));
        r.moveLeft(std::max(room.left(), std::min(r.left(), room.right() + 1 - r.width() - frame.width())));
        r.moveTop(std::max(room.top(), std::min(r.top(), room.bottom() + 1 - r.height() - frame.height())));
    }
    if (m.shown) {
        if (p.minimized) {
            top->showMinimized();
        } else if (p.maximized) {
            top->showMaximized();
        } else if (top->isMaximized() || top->isMinimized()) {
            top->showNormal();
        }
    }
    if (!p.maximized && !p.minimized) {
        const QSize size = r.size() + QSize(0, bar_height(m));
        if (m.sub) {
            m.canvas->hint = size;
            m.sub->setGeometry(QRect(r.topLeft(), size + sub_frame(*m.sub)));
        } else {
            top->setGeometry(QRect(r.topLeft(), size));
        }
    }
    // The model keeps the program's placement (saved as it was, fitted again when restored);
    // only the operator's own moves go back to it.
    m.reported = p;
    if (!p.maximized && !p.minimized)
        m.reported = {to_units_x(r.x()), to_units_y(r.y()), to_units_x(r.width()), to_units_y(r.height())};
    m.placement_known = m.shown;
}

void QtEngine::Impl::report_placement(Mirror& m) {
    if (!m.alive || m.applying || !m.placement_known) return;
    const Placement now = current_placement(m);
    if (now == m.reported) return;
    const Placement before = m.reported;
    // The placements the model may hold when the report reaches it: the one last mirrored and
    // the operator's own before this one. A program placement made meanwhile (one restored as
    // the window opens) is newer than the report, which then gives way.
    std::vector<Placement> known(m.in_flight.begin(), m.in_flight.end());
    known.push_back(m.seen);
    m.reported = now;
    m.in_flight.push_back(now);
    EventKind kind = EventKind::Sized;
    if (now.maximized && !before.maximized) kind = EventKind::Maximized;
    else if (now.minimized && !before.minimized) kind = EventKind::Minimized;
    else if (!now.maximized && !now.minimized && (before.maximized || before.minimized)) kind = EventKind::Restored;
    else if (now.width == before.width && now.height == before.height) kind = EventKind::Moved;
    post_event(m, kind, 0, [now, known](Window& w) {
        if (std::find(known.begin(), known.end(), model_placement(w)) == known.end()) return;
        w.operator_placed(now.x, now.y, now.width, now.height, now.maximized, now.minimized);
    });
}

// ---------------------------------------------------------------------------------------------
// Arranging the frame's child windows

void QtEngine::Impl::arrange(Mirror& frame, Arrangement how) {
    QMdiArea* area = frame.area;
    if (!area) return;
    if (how == Arrangement::Cascade) {
        area->cascadeSubWindows();
        return;
    }
    const QRect room = area->viewport()->rect();
    if (how == Arrangement::ArrangeIcons) {
        int x = 0, y = room.bottom() + 1;
        for (QMdiSubWindow* sub : area->subWindowList())
            if (sub->isVisible() && sub->isMinimized()) {
                if (x > 0 && x + sub->width() > room.width()) x = 0, y -= sub->height();
                sub->move(x, y - sub->height());
                x += sub->width();
            }
        return;
    }
    std::vector<QMdiSubWindow*> subs;
    for (QMdiSubWindow* sub : area->subWindowList())
        if (sub->isVisible() && !sub->isMinimized()) subs.push_back(sub);
    const int n = static_cast<int>(subs.size());
    if (n == 0) return;
    // Vertical: windows side by side in columns; horizontal: windows one above the other.
    const bool vertical = how != Arrangement::TileHorizontal;
    const int lines = n <= 3 ? n : static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n))));
    const int across = vertical ? room.width() : room.height();
    const int along = vertical ? room.height() : room.width();
    int k = 0;
    for (int line = 0; line < lines; ++line) {
        const int in_line = n / lines + (line >= lines - n % lines ? 1 : 0);
        const int a0 = across * line / lines, a1 = across * (line + 1) / lines;
        for (int j = 0; j < in_line && k < n; ++j, ++k) {
            const int b0 = along * j / in_line, b1 = along * (j + 1) / in_line;
            QMdiSubWindow* sub = subs[k];
            if (sub->isMaximized()) sub->showNormal();
            sub->setGeometry(vertical ? QRect(a0, b0, a1 - a0, b1 - b0) : QRect(b0, a0, b1 - b0, a1 - a0));
        }
    }
}

}  // namespace zrv
