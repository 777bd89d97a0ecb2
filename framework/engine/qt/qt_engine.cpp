#include "framework/engine/qt/qt_engine.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QEventLoop>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSoundEffect>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUrl>
#include <QWheelEvent>

#include "framework/core/window.h"
#include "framework/engine/qt/qt_widgets.h"
#include "framework/services/paths.h"

namespace zrv {

using qt::qs;

namespace {

constexpr int kDoubleClickKey = 0x0105;

int to_px_x(double units) { return static_cast<int>(std::lround(units * kPixelsPerUnitX)); }
int to_px_y(double units) { return static_cast<int>(std::lround(units * kPixelsPerUnitY)); }
int to_units_x(int px) { return static_cast<int>(std::lround(px / kPixelsPerUnitX)); }
int to_units_y(int px) { return static_cast<int>(std::lround(px / kPixelsPerUnitY)); }

// A window's place in window units, as the model keeps it.
struct Placement {
    int x = 0, y = 0, width = 0, height = 0;
    bool maximized = false, minimized = false;
    bool operator==(const Placement& o) const {
        if (maximized != o.maximized || minimized != o.minimized) return false;
        if (maximized || minimized) return true;  // the normal rectangle is kept aside then
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

Placement model_placement(const Window& w) {
    return {w.x(), w.y(), w.width(), w.height(), w.is_maximized(), w.is_minimized()};
}

bool is_menu_kind(ControlKind k) {
    return k == ControlKind::Menu || k == ControlKind::Item || k == ControlKind::Separator;
}

struct ControlView {
    QPointer<QWidget> widget;
    ControlState state;  // as last applied
    bool applied = false;
    bool dirty = false;  // an entry typed into and not yet left
    std::vector<std::pair<int, std::string>> tabs;  // sheets: the tabs shown (number, text)
    std::vector<qt::ShownColumn> columns;  // lists: the columns shown
};

struct Mirror {
    Window* window = nullptr;
    WindowKind kind = WindowKind::MdiChild;
    std::atomic<bool> sync_pending{false};

    // --- GUI thread only ---
    bool alive = true;
    bool built = false;
    bool shown = false;
    int applying = 0;  // mirroring the model: the widgets' signals are not the operator's
    QPointer<QWidget> top;
    QPointer<QMainWindow> main;
    QPointer<QMdiArea> area;
    QPointer<QMdiSubWindow> sub;
    QPointer<qt::Canvas> canvas;
    std::map<int, ControlView> views;
    std::uint64_t applied_revision = 0;
    std::string title;
    std::vector<StatusZone> status;
    std::vector<QPointer<QLabel>> zones;
    bool scaled = false;
    Placement seen;                   // the model's placement at the last sync
    std::deque<Placement> in_flight;  // placements the operator made, not yet in the model
    Placement reported;               // the widgets' placement last told or applied
    bool placement_known = false;
    QPointer<QMenu> window_menu;
    std::vector<QPointer<QAction>> window_list;
};

struct Applying {
    explicit Applying(Mirror& m) : m_(m) { ++m_.applying; }
    ~Applying() { --m_.applying; }
    Mirror& m_;
};

}  // namespace

struct QtEngine::Impl {
    QtEngine* owner = nullptr;
    std::thread::id gui_thread = std::this_thread::get_id();
    QObject* gui = nullptr;  // lives on the GUI thread; tasks are queued to it

    mutable std::mutex mutex;
    std::condition_variable cv;
    bool stopped = false;
    std::map<const Window*, std::shared_ptr<Mirror>> mirrors;  // open windows

    // GUI thread only
    QPointer<QMdiArea> frame_area;  // the MDI area of the open frame
    QPointer<QSoundEffect> sound;
    std::unique_ptr<QPrinter> printer;

    bool on_gui() const { return std::this_thread::get_id() == gui_thread; }

    // Queues a task to the GUI thread; false once stopped.
    bool post(std::function<void()> task) {
        std::lock_guard lock(mutex);
        if (stopped || !gui) return false;
        QMetaObject::invokeMethod(gui, std::move(task), Qt::QueuedConnection);
        return true;
    }

    // Runs task on the GUI thread and waits for it (at once when called there).
    void run_blocking(std::function<void()> task) {
        if (on_gui()) {
            task();
            return;
        }
        auto done = std::make_shared<bool>(false);
        const bool queued = post([this, done, task = std::move(task)] {
            task();
            {
                std::lock_guard lock(mutex);
                *done = true;
            }
            cv.notify_all();
        });
        if (!queued) return;
        std::unique_lock lock(mutex);
        cv.wait(lock, [&] { return *done || stopped; });
    }

    // A request the operator answers: start shows it on the GUI thread and calls its answer
    // once; the asking thread waits for that answer (fallback when the engine stops first).
    template <class R>
    R ask(R fallback, std::function<void(std::function<void(R)>)> start) {
        auto value = std::make_shared<std::optional<R>>();
        auto answer = [this, value](R v) {
            {
                std::lock_guard lock(mutex);
                if (*value) return;
                *value = std::move(v);
            }
            cv.notify_all();
        };
        if (on_gui()) {
            QEventLoop loop;
            QPointer<QEventLoop> waiting = &loop;
            start([answer, waiting](R v) {
                answer(std::move(v));
                if (waiting) waiting->quit();
            });
            {
                std::lock_guard lock(mutex);
                if (*value) return **value;
            }
            loop.exec();
            std::lock_guard lock(mutex);
            return *value ? **value : fallback;
        }
        if (!post([start, answer] { start(answer); })) return fallback;
        std::unique_lock lock(mutex);
        cv.wait(lock, [&] { return value->has_value() || stopped; });
        return *value ? **value : fallback;
    }

    std::shared_ptr<Mirror> find(const Window& w) const {
        std::lock_guard lock(mutex);
        auto it = mirrors.find(&w);
        return it == mirrors.end() ? nullptr : it->second;
    }

    void schedule_sync(const std::shared_ptr<Mirror>& m) {
        if (m->sync_pending.exchange(true)) return;
        post([this, m] { sync(*m); });
    }

    QWidget* dialog_parent() const {
        if (QWidget* w = QApplication::activeWindow()) return w;
        return frame_area ? frame_area->window() : nullptr;
    }

    // --- mirroring (GUI thread) ---
    void build(Mirror& m);
    void sync(Mirror& m);
    void destroy(Mirror& m);
    void apply_window(Mirror& m, bool first);
    void apply_placement(Mirror& m, const Placement& p);
    void report_placement(Mirror& m);
    Placement current_placement(const Mirror& m) const;
    void sync_controls(Mirror& m, const std::vector<ControlState>& states);
    QWidget* create_widget(Mirror& m, const ControlState& c);
    void apply_control(Mirror& m, ControlView& v, const ControlState& c, bool first);
    void place(Mirror& m, ControlView& v);
    void relayout(Mirror& m);
    void apply_font(Mirror& m, ControlView& v);
    void apply_list(ControlView& v, const ControlState& c, const ControlState& old, bool first);
    void apply_tabs(Mirror& m, ControlView& v);
    void update_visibility(Mirror& m);
    void rebuild_menus(Mirror& m);
    void add_menu_items(Mirror& m, QMenu* menu, int parent, int depth);
    void refresh_window_list(Mirror& m);
    void rebuild_status(Mirror& m);
    void show_zone_text(Mirror& m, int zone, const std::string& text);
    double font_scale(const Mirror& m) const;
    void post_event(Mirror& m, EventKind kind, int control, std::function<void(Window&)> apply = {},
                    int keycode = 0);
    void arrange(Mirror& frame, Arrangement how);
};

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

// ---------------------------------------------------------------------------------------------
// Building and destroying the widgets of a window

void QtEngine::Impl::build(Mirror& m) {
    m.built = true;
    Window& w = *m.window;
    auto mirror = find(w);
    auto watch = [this, weak = std::weak_ptr<Mirror>(mirror)](QObject*, QEvent* e) {
        auto mp = weak.lock();
        if (!mp || !mp->alive) return false;
        switch (e->type()) {
            case QEvent::Close:
                e->ignore();  // the model decides; closing the model removes the widget
                post_event(*mp, EventKind::CloseWindow, 0);
                return true;
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::WindowStateChange:
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
        if (!wallpaper.isNull())
            area->setBackground(QBrush(wallpaper));
        else if (auto c = qt::to_qcolor(w.colour()))
            area->setBackground(QBrush(*c));
        main->statusBar();
        m.main = main;
        m.area = area;
        m.top = main;
        frame_area = area;
    } else {
        auto* canvas = new qt::Canvas;
        m.canvas = canvas;
        canvas->hint = QSize(to_px_x(w.layout_width()), to_px_y(w.layout_height()));
        if (m.kind == WindowKind::MdiChild && frame_area) {
            QMdiSubWindow* sub = frame_area->addSubWindow(canvas);
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
            if (auto mp = weak.lock(); mp && mp->alive && mp->scaled) relayout(*mp);
        };
        canvas->on_press = [this, weak = std::weak_ptr<Mirror>(mirror)](QMouseEvent* e) {
            if (auto mp = weak.lock(); mp && e->button() == Qt::RightButton)
                post_event(*mp, EventKind::AlertKey, 0, {}, kMouseRightKey);
        };
        if (!w.maximize_box()) m.top->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        if (canvas != m.top.data()) canvas->installEventFilter(new qt::EventHook(canvas, watch));
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
    sync_controls(m, w.controls());
    m.applied_revision = revision;
    if (!m.shown) {
        m.shown = true;
        if (m.seen.minimized)
            m.top->showMinimized();
        else if (m.seen.maximized)
            m.top->showMaximized();
        else
            m.top->show();
        m.reported = current_placement(m);
        m.placement_known = true;
    }
}

void QtEngine::Impl::apply_window(Mirror& m, bool first) {
    Window& w = *m.window;
    if (std::string title = w.title(); first || title != m.title) {
        m.title = title;
        m.top->setWindowTitle(qs(title));
        if (m.canvas && m.canvas != m.top) m.canvas->setWindowTitle(qs(title));
    }
    if (m.main) {
        std::vector<StatusZone> status = w.status();
        const bool same_shape =
            !first && status.size() == m.status.size() &&
            std::equal(status.begin(), status.end(), m.status.begin(),
                       [](const StatusZone& a, const StatusZone& b) { return a.width == b.width; });
        m.status = std::move(status);
        if (!same_shape) rebuild_status(m);
        for (std::size_t i = 0; i < m.status.size() && i < m.zones.size(); ++i)
            if (m.zones[i]) m.zones[i]->setText(qs(m.status[i].text));
    }
    if (m.canvas) {
        const QSize layout(to_px_x(w.layout_width()), to_px_y(w.layout_height()));
        if (!w.is_resizable())
            m.canvas->setFixedSize(QSize(to_px_x(w.width()), to_px_y(w.height())));
        else if (w.resize_strategy() == ResizeStrategy::Scale)
            m.canvas->setMinimumSize(layout);
        else
            m.canvas->setMinimumSize(0, 0);
    }
    const Placement p = model_placement(w);
    if (first || !(p == m.seen)) {
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

Placement QtEngine::Impl::current_placement(const Mirror& m) const {
    Placement p;
    QRect r;
    if (m.main) {
        r = m.main->geometry();
        p.maximized = m.main->isMaximized();
        p.minimized = m.main->isMinimized();
    } else if (m.sub) {
        r = QRect(m.sub->geometry().topLeft(), m.canvas ? m.canvas->size() : m.sub->size());
        p.maximized = m.sub->isMaximized();
        p.minimized = m.sub->isMinimized();
    } else if (m.canvas) {
        r = m.canvas->geometry();
        p.maximized = m.canvas->isMaximized();
        p.minimized = m.canvas->isMinimized();
    }
    p.x = to_units_x(r.x());
    p.y = to_units_y(r.y());
    p.width = to_units_x(r.width());
    p.height = to_units_y(r.height());
    return p;
}

void QtEngine::Impl::apply_placement(Mirror& m, const Placement& p) {
    QWidget* top = m.top;
    const QRect r(to_px_x(p.x), to_px_y(p.y), to_px_x(p.width), to_px_y(p.height));
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
        if (m.sub) {
            m.canvas->hint = r.size();
            const QSize frame = m.sub->sizeHint() - r.size();  // title bar and borders
            m.sub->setGeometry(QRect(r.topLeft(), r.size() + frame));
        } else {
            top->setGeometry(r);
        }
    }
    m.reported = p;
    m.placement_known = m.shown;
}

void QtEngine::Impl::report_placement(Mirror& m) {
    if (!m.alive || m.applying || !m.placement_known) return;
    const Placement now = current_placement(m);
    if (now == m.reported) return;
    const Placement before = m.reported;
    m.reported = now;
    m.in_flight.push_back(now);
    EventKind kind = EventKind::Sized;
    if (now.maximized && !before.maximized)
        kind = EventKind::Maximized;
    else if (now.minimized && !before.minimized)
        kind = EventKind::Minimized;
    else if (!now.maximized && !now.minimized && (before.maximized || before.minimized))
        kind = EventKind::Restored;
    else if (now.width == before.width && now.height == before.height)
        kind = EventKind::Moved;
    post_event(m, kind, 0, [now](Window& w) {
        w.operator_placed(now.x, now.y, now.width, now.height, now.maximized, now.minimized);
    });
}

// ---------------------------------------------------------------------------------------------
// Controls

void QtEngine::Impl::sync_controls(Mirror& m, const std::vector<ControlState>& states) {
    bool structure = false, menus = false;
    std::set<int> present;
    for (const ControlState& c : states) present.insert(c.number);
    for (auto it = m.views.begin(); it != m.views.end();) {
        if (present.count(it->first)) {
            ++it;
            continue;
        }
        if (is_menu_kind(it->second.state.kind)) menus = true;
        delete it->second.widget.data();
        it = m.views.erase(it);
        structure = true;
    }
    for (const ControlState& c : states) {
        auto [it, created] = m.views.try_emplace(c.number);
        ControlView& v = it->second;
        if (!created && v.applied && v.state.kind != c.kind) {  // the number now holds another kind
            delete v.widget.data();
            v = ControlView{};
            created = true;
        }
        if (v.applied && c.revision == v.state.revision) continue;
        if (is_menu_kind(c.kind)) {
            menus = true;
            v.state = c;
            v.applied = true;
            continue;
        }
        const bool first = !v.applied;
        if (first) {
            v.widget = m.canvas ? create_widget(m, c) : nullptr;
            structure = true;
        }
        if (!first && (c.parent != v.state.parent || c.hidden != v.state.hidden)) structure = true;
        if (c.kind == ControlKind::Tab || c.kind == ControlKind::Sheet) structure = true;
        apply_control(m, v, c, first);
    }
    if (structure) {
        for (auto& [n, v] : m.views)
            if (v.state.kind == ControlKind::Sheet) apply_tabs(m, v);
        for (auto& [n, v] : m.views)
            if (v.widget) v.widget->raise();  // later numbers lie on top
    }
    update_visibility(m);
    if (menus && m.main) rebuild_menus(m);
}

QWidget* QtEngine::Impl::create_widget(Mirror& m, const ControlState& c) {
    QWidget* parent = m.canvas;
    const int n = c.number;
    auto weak = std::weak_ptr<Mirror>(find(*m.window));
    // Runs an operator's action with the mirror, if it is still there.
    auto with = [weak](auto fn) {
        return [weak, fn](auto&&... args) {
            if (auto mp = weak.lock(); mp && mp->alive && !mp->applying) fn(*mp, args...);
        };
    };
    auto right_click = [this, n, with](QWidget* w) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(w, &QWidget::customContextMenuRequested, w, with([this, n](Mirror& mp, const QPoint&) {
                             post_event(mp, EventKind::AlertKey, n, {}, kMouseRightKey);
                         }));
    };
    switch (c.kind) {
        case ControlKind::Prompt:
        case ControlKind::String:
        case ControlKind::Image: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            right_click(label);
            return label;
        }
        case ControlKind::Entry: {
            auto* edit = new QLineEdit(parent);
            QObject::connect(edit, &QLineEdit::textEdited, edit, with([n](Mirror& mp, const QString&) {
                                 mp.views[n].dirty = true;
                             }));
            QObject::connect(edit, &QLineEdit::editingFinished, edit, with([this, n, edit](Mirror& mp) {
                                 ControlView& v = mp.views[n];
                                 if (!v.dirty) return;
                                 v.dirty = false;
                                 std::string text = edit->text().toStdString();
                                 post_event(mp, EventKind::Accepted, n,
                                            [n, text](Window& w) { w.operator_type(n, text); });
                             }));
            return edit;
        }
        case ControlKind::Check: {
            auto* box = new QCheckBox(parent);
            QObject::connect(box, &QCheckBox::clicked, box, with([this, n](Mirror& mp, bool on) {
                                 post_event(mp, EventKind::Accepted, n,
                                            [n, on](Window& w) { w.operator_check(n, on); });
                             }));
            return box;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            QObject::connect(button, &QPushButton::clicked, button, with([this, n](Mirror& mp, bool) {
                                 post_event(mp, EventKind::Accepted, n);
                             }));
            return button;
        }
        case ControlKind::List: {
            auto* list = new QTreeWidget(parent);
            list->setRootIsDecorated(false);
            list->setUniformRowHeights(true);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setSelectionBehavior(QAbstractItemView::SelectRows);
            list->setItemDelegate(new qt::CellDelegate(list));
            list->header()->setStretchLastSection(true);
            QObject::connect(list, &QTreeWidget::itemSelectionChanged, list, with([this, n, list](Mirror& mp) {
                                 const int row = list->indexOfTopLevelItem(list->currentItem()) + 1;
                                 if (row <= 0) return;
                                 post_event(mp, EventKind::NewSelection, n,
                                            [n, row](Window& w) { w.operator_choose(n, row); });
                             }));
            QObject::connect(list, &QTreeWidget::itemDoubleClicked, list,
                             with([this, n, list](Mirror& mp, QTreeWidgetItem* item, int) {
                                 const int row = list->indexOfTopLevelItem(item) + 1;
                                 post_event(
                                     mp, EventKind::Accepted, n,
                                     [n, row](Window& w) {
                                         if (row > 0 && w.selected(n) != row) w.operator_choose(n, row);
                                     },
                                     kDoubleClickKey);
                             }));
            right_click(list);
            // The list shows one page of its rows: the keys and the wheel that would move past
            // it go to the model, which scrolls the whole order; typed characters locate.
            auto keys = [this, weak, n](QObject*, QEvent* e) {
                auto mp = weak.lock();
                if (!mp || !mp->alive) return false;
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
                for (int i = 0; i < times; ++i) post_event(*mp, EventKind::AlertKey, n, {}, key);
                return true;
            };
            list->installEventFilter(new qt::EventHook(list, keys));
            list->viewport()->installEventFilter(new qt::EventHook(list->viewport(), keys));
            return list;
        }
        case ControlKind::Sheet: {
            auto* tabs = new QTabWidget(parent);
            QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [this, weak, n](int index) {
                auto mp = weak.lock();
                if (!mp || !mp->alive) return;
                update_visibility(*mp);  // the chosen tab's controls show at once
                post_event(*mp, EventKind::NewSelection, n,
                           [n, index](Window& w) { w.operator_choose(n, index + 1); });
            });
            return tabs;
        }
        case ControlKind::DropList: {
            auto* combo = new QComboBox(parent);
            QObject::connect(combo, &QComboBox::activated, combo, with([this, n](Mirror& mp, int index) {
                                 post_event(mp, EventKind::Accepted, n,
                                            [n, index](Window& w) { w.operator_choose(n, index + 1); });
                             }));
            return combo;
        }
        case ControlKind::Group: {
            auto* group = new QGroupBox(parent);
            right_click(group);
            return group;
        }
        case ControlKind::Tab:
            return nullptr;  // a tab of its sheet
        default: {  // region, box, ellipse, panel, line
            auto* shape = new qt::Shape(c.kind, parent);
            const bool clickable = c.kind == ControlKind::Region || c.kind == ControlKind::Box ||
                                   c.kind == ControlKind::Ellipse;
            shape->on_press = with([this, n, clickable](Mirror& mp, QMouseEvent* e) {
                if (e->button() == Qt::RightButton)
                    post_event(mp, EventKind::AlertKey, n, {}, kMouseRightKey);
                else if (e->button() == Qt::LeftButton && clickable)
                    post_event(mp, EventKind::Accepted, n);
            });
            return shape;
        }
    }
}

double QtEngine::Impl::font_scale(const Mirror& m) const {
    if (!m.scaled || !m.canvas) return 1.0;
    const double lw = to_px_x(m.window->layout_width()), lh = to_px_y(m.window->layout_height());
    if (lw <= 0 || lh <= 0) return 1.0;
    return std::max(0.1, std::min(m.canvas->width() / lw, m.canvas->height() / lh));
}

void QtEngine::Impl::place(Mirror& m, ControlView& v) {
    if (!v.widget) return;
    const ControlState& c = v.state;
    double sx = 1, sy = 1;
    if (m.scaled && m.canvas) {
        const double lw = to_px_x(m.window->layout_width()), lh = to_px_y(m.window->layout_height());
        if (lw > 0 && lh > 0) sx = m.canvas->width() / lw, sy = m.canvas->height() / lh;
    }
    const double x = c.x * kPixelsPerUnitX * sx, y = c.y * kPixelsPerUnitY * sy;
    const double w = c.width * kPixelsPerUnitX * sx, h = c.height * kPixelsPerUnitY * sy;
    QRect r;
    if (c.kind == ControlKind::Line) {
        r = QRectF(QPointF(x, y), QPointF(x + w, y + h)).normalized().toAlignedRect();
        r.setWidth(std::max(r.width(), 1));
        r.setHeight(std::max(r.height(), 1));
        static_cast<qt::Shape*>(v.widget.data())->down_right = (w >= 0) == (h >= 0);
    } else {
        r = QRect(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)),
                  static_cast<int>(std::lround(w)), static_cast<int>(std::lround(h)));
        if (r.width() <= 0 || r.height() <= 0) r.setSize(r.size().expandedTo(v.widget->sizeHint()));
    }
    v.widget->setGeometry(r);
    if (c.kind == ControlKind::Image && c.stretched) {
        if (auto* label = qobject_cast<QLabel*>(v.widget.data())) label->setScaledContents(true);
    }
}

void QtEngine::Impl::apply_font(Mirror& m, ControlView& v) {
    if (!v.widget) return;
    const ControlState& c = v.state;
    QFont font = QApplication::font();
    if (!c.font_name.empty()) font.setFamily(qs(c.font_name));
    const double base = c.font_size > 0 ? c.font_size : font.pointSizeF();
    if (base > 0) font.setPointSizeF(std::max(1.0, base * font_scale(m)));
    font.setBold(c.bold);
    font.setItalic(c.italic);
    font.setUnderline(c.underline);
    v.widget->setFont(font);
}

// A text box at least two lines high wraps a text too long for one line; a one-line box keeps
// it on its line.
static void wrap_if_needed(QLabel* label) {
    const QFontMetrics metrics(label->font());
    const bool wraps = label->height() >= 2 * metrics.lineSpacing() && metrics.horizontalAdvance(label->text()) > label->width();
    if (label->wordWrap() != wraps) label->setWordWrap(wraps);
}

void QtEngine::Impl::relayout(Mirror& m) {
    for (auto& [n, v] : m.views) {
        place(m, v);
        apply_font(m, v);
        if (v.state.kind == ControlKind::Prompt || v.state.kind == ControlKind::String)
            if (auto* label = qobject_cast<QLabel*>(v.widget.data())) wrap_if_needed(label);
    }
}

void QtEngine::Impl::apply_control(Mirror& m, ControlView& v, const ControlState& c, bool first) {
    const ControlState old = v.state;
    v.state = c;
    v.applied = true;
    QWidget* w = v.widget;
    if (!w) return;
    auto changed = [&](auto member) { return first || !(c.*member == old.*member); };

    if (changed(&ControlState::x) || changed(&ControlState::y) || changed(&ControlState::width) ||
        changed(&ControlState::height) || changed(&ControlState::stretched))
        place(m, v);
    if (changed(&ControlState::font_name) || changed(&ControlState::font_size) || changed(&ControlState::bold) ||
        changed(&ControlState::italic) || changed(&ControlState::underline))
        apply_font(m, v);
    if (changed(&ControlState::disabled)) w->setEnabled(!c.disabled);
    if (changed(&ControlState::tip)) w->setToolTip(qs(c.tip));
    if (changed(&ControlState::font_colour) || changed(&ControlState::fill_colour)) {
        QPalette pal = QApplication::palette(w);
        const auto font = qt::to_qcolor(c.font_colour);
        const auto fill = qt::to_qcolor(c.fill_colour);
        if (font)
            for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) pal.setColor(role, *font);
        if (fill)
            for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) pal.setColor(role, *fill);
        w->setPalette(pal);
        const bool fills_itself = c.kind == ControlKind::Entry || c.kind == ControlKind::List ||
                                  c.kind == ControlKind::DropList || c.kind == ControlKind::Button;
        if (!fills_itself) w->setAutoFillBackground(fill.has_value());
        if (auto* shape = dynamic_cast<qt::Shape*>(w)) {
            shape->fill = fill;
            shape->setAutoFillBackground(false);
            shape->update();
        }
    }
    if (changed(&ControlState::border_colour)) {
        if (auto* shape = dynamic_cast<qt::Shape*>(w)) {
            shape->border = qt::to_qcolor(c.border_colour);
            shape->update();
        }
    }
    const Qt::Alignment align =
        (c.align == 1 ? Qt::AlignHCenter : c.align == 2 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;

    switch (c.kind) {
        case ControlKind::Prompt:
        case ControlKind::String: {
            auto* label = static_cast<QLabel*>(w);
            if (changed(&ControlState::text))
                label->setText(c.kind == ControlKind::Prompt ? qt::without_access_keys(c.text) : qs(c.text));
            if (changed(&ControlState::align)) label->setAlignment(align);
            wrap_if_needed(label);
            break;
        }
        case ControlKind::Image: {
            auto* label = static_cast<QLabel*>(w);
            if (changed(&ControlState::image)) label->setPixmap(qt::load_pixmap(c.image));
            if (changed(&ControlState::centred) || changed(&ControlState::stretched)) {
                label->setAlignment(c.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
                label->setScaledContents(c.stretched);
            }
            break;
        }
        case ControlKind::Entry: {
            auto* edit = static_cast<QLineEdit*>(w);
            if (!v.dirty && edit->text() != qs(c.text)) edit->setText(qs(c.text));
            if (changed(&ControlState::read_only)) edit->setReadOnly(c.read_only);
            if (changed(&ControlState::align)) edit->setAlignment(align);
            break;
        }
        case ControlKind::Check: {
            auto* box = static_cast<QCheckBox*>(w);
            if (changed(&ControlState::text)) box->setText(qs(c.text));
            if (box->isChecked() != c.checked) box->setChecked(c.checked);
            break;
        }
        case ControlKind::Button: {
            auto* button = static_cast<QPushButton*>(w);
            if (changed(&ControlState::text)) button->setText(qs(c.text));
            if (changed(&ControlState::image)) {
                QPixmap icon = qt::load_pixmap(c.image);
                button->setIcon(icon.isNull() ? QIcon() : QIcon(icon));
            }
            if (changed(&ControlState::is_default)) button->setDefault(c.is_default);
            break;
        }
        case ControlKind::List:
            apply_list(v, c, old, first);
            break;
        case ControlKind::DropList: {
            auto* combo = static_cast<QComboBox*>(w);
            if (changed(&ControlState::items)) {
                combo->clear();
                for (const std::string& item : c.items) combo->addItem(qs(item));
            }
            const int index = c.selected >= 1 && c.selected <= combo->count() ? c.selected - 1 : -1;
            if (combo->currentIndex() != index) combo->setCurrentIndex(index);
            break;
        }
        case ControlKind::Group:
            if (changed(&ControlState::text)) static_cast<QGroupBox*>(w)->setTitle(qs(c.text));
            break;
        default:
            break;
    }
}

void QtEngine::Impl::apply_list(ControlView& v, const ControlState& c, const ControlState& old, bool first) {
    auto* list = static_cast<QTreeWidget*>(v.widget.data());
    std::size_t cells = 0;
    for (const ListRow& r : c.rows) cells = std::max(cells, r.cells.size());
    const auto covered = [&] {
        return v.columns.empty() ? std::size_t{0} : static_cast<std::size_t>(v.columns.back().first + v.columns.back().cells);
    };
    if (first || c.format != list->property("zrv_format").toString().toStdString() || v.columns.empty() || cells > covered()) {
        list->setProperty("zrv_format", qs(c.format));
        std::vector<qt::ListColumn> columns = qt::parse_list_columns(c.format);
        if (columns.size() < cells) columns.resize(cells);
        if (columns.empty()) columns.resize(1);
        v.columns = qt::shown_columns(columns);
        list->setColumnCount(static_cast<int>(v.columns.size()));
        // The tree's header has one row.
        QStringList headers;
        bool any_header = false;
        for (const qt::ShownColumn& col : v.columns) {
            headers << qs(col.header);
            any_header = any_header || !col.header.empty();
        }
        list->setHeaderLabels(headers);
        list->setHeaderHidden(!any_header);
        for (int i = 0; i < static_cast<int>(v.columns.size()); ++i) {
            list->headerItem()->setToolTip(i, qs(v.columns[i].tip));
            if (v.columns[i].width > 0) list->setColumnWidth(i, to_px_x(v.columns[i].width));
        }
        first = true;
    }
    if (first || c.rows != old.rows || list->topLevelItemCount() != static_cast<int>(c.rows.size())) {
        list->clear();
        QList<QTreeWidgetItem*> items;
        for (const ListRow& row : c.rows) {
            auto* item = new QTreeWidgetItem;
            for (int col = 0; col < static_cast<int>(v.columns.size()); ++col) {
                const qt::ShownColumn& shown = v.columns[static_cast<std::size_t>(col)];
                if (shown.first >= static_cast<int>(row.cells.size())) break;
                if (shown.cells > 1) {
                    // A stacked column: its cells one below the other, each in its own colours.
                    QStringList texts;
                    QVariantList stacked;
                    for (int k = shown.first; k < shown.first + shown.cells; ++k) {
                        const ListCell blank;
                        const ListCell& cell = k < static_cast<int>(row.cells.size()) ? row.cells[static_cast<std::size_t>(k)] : blank;
                        texts << qs(cell.text);
                        stacked << qt::stacked_cell(cell);
                    }
                    item->setText(col, texts.join(QLatin1Char('\n')));
                    item->setData(col, qt::kStackedRole, stacked);
                    continue;
                }
                const ListCell& cell = row.cells[static_cast<std::size_t>(shown.first)];
                item->setText(col, qs(cell.text));
                if (auto t = qt::to_qcolor(cell.text_colour)) item->setForeground(col, *t);
                if (auto b = qt::to_qcolor(cell.back_colour)) item->setBackground(col, *b);
                if (auto st = qt::to_qcolor(cell.selected_text_colour)) item->setData(col, qt::kSelectedTextRole, *st);
                if (auto sb = qt::to_qcolor(cell.selected_back_colour)) item->setData(col, qt::kSelectedBackRole, *sb);
            }
            items << item;
        }
        list->addTopLevelItems(items);
    }
    const int row = c.selected;
    QTreeWidgetItem* want = row >= 1 && row <= list->topLevelItemCount() ? list->topLevelItem(row - 1) : nullptr;
    if (list->currentItem() != want || (want && !want->isSelected())) {
        if (want) {
            list->setCurrentItem(want);
            list->scrollToItem(want);
        } else {
            list->clearSelection();
            list->setCurrentItem(nullptr);
        }
    }
}

void QtEngine::Impl::apply_tabs(Mirror& m, ControlView& v) {
    auto* tabs = qobject_cast<QTabWidget*>(v.widget.data());
    if (!tabs) return;
    Applying guard(m);
    std::vector<std::pair<int, std::string>> wanted;
    std::vector<bool> hidden;
    for (auto& [n, t] : m.views)
        if (t.state.kind == ControlKind::Tab && t.state.parent == v.state.number) {
            wanted.emplace_back(n, t.state.text);
            hidden.push_back(t.state.hidden);
        }
    if (wanted != v.tabs) {
        if (wanted.size() != v.tabs.size()) {
            while (tabs->count() > 0) {
                QWidget* page = tabs->widget(0);
                tabs->removeTab(0);
                delete page;
            }
            for (auto& [n, text] : wanted) tabs->addTab(new QWidget, qs(text));
        } else {
            for (std::size_t i = 0; i < wanted.size(); ++i) tabs->setTabText(static_cast<int>(i), qs(wanted[i].second));
        }
        v.tabs = wanted;
    }
    for (std::size_t i = 0; i < hidden.size(); ++i) tabs->setTabVisible(static_cast<int>(i), !hidden[i]);
    const int sel = v.state.selected;
    if (sel >= 1 && sel <= tabs->count() && tabs->currentIndex() != sel - 1) tabs->setCurrentIndex(sel - 1);
}

void QtEngine::Impl::update_visibility(Mirror& m) {
    // A control shows when neither it nor an enclosing control is hidden, and every tab it lies
    // on is its sheet's current tab.
    auto shows = [&](const ControlState& c) {
        const ControlState* at = &c;
        for (int depth = 0; depth < 64; ++depth) {
            if (at->hidden) return false;
            if (at->parent == 0 || at->parent == at->number) return true;
            auto it = m.views.find(at->parent);
            if (it == m.views.end()) return true;
            const ControlState& parent = it->second.state;
            if (at->kind == ControlKind::Tab && parent.kind == ControlKind::Sheet) {
                auto* tabs = qobject_cast<QTabWidget*>(it->second.widget.data());
                const auto& list = it->second.tabs;
                auto pos = std::find_if(list.begin(), list.end(), [&](const auto& t) { return t.first == at->number; });
                if (tabs && pos != list.end() && tabs->currentIndex() != static_cast<int>(pos - list.begin()))
                    return false;
            }
            at = &parent;
        }
        return true;
    };
    for (auto& [n, v] : m.views)
        if (v.widget) {
            const bool visible = shows(v.state);
            if (v.widget->isHidden() == visible) v.widget->setVisible(visible);
        }
}

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
        if (auto mp = weak.lock(); mp && mp->alive && !mp->status.empty()) show_zone_text(*mp, 1, mp->status[0].text);
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
    QStatusBar* bar = m.main->statusBar();
    for (auto& z : m.zones) delete z.data();
    m.zones.clear();
    for (const StatusZone& zone : m.status) {
        auto* label = new QLabel(bar);
        label->setTextFormat(Qt::PlainText);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
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

void QtEngine::Impl::show_zone_text(Mirror& m, int zone, const std::string& text) {
    if (zone >= 1 && zone <= static_cast<int>(m.zones.size()) && m.zones[zone - 1])
        m.zones[zone - 1]->setText(qs(text));
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

// ---------------------------------------------------------------------------------------------
// The engine

QtEngine::QtEngine() : impl_(std::make_unique<Impl>()) {
    impl_->owner = this;
    impl_->gui = new QObject;
}

QtEngine::~QtEngine() {
    stop();
    std::vector<std::shared_ptr<Mirror>> left;
    {
        std::lock_guard lock(impl_->mutex);
        for (auto& [w, m] : impl_->mirrors) left.push_back(m);
        impl_->mirrors.clear();
    }
    // Children first, the frame last.
    std::stable_partition(left.begin(), left.end(), [](const auto& m) { return m->kind != WindowKind::Frame; });
    for (auto& m : left) impl_->destroy(*m);
    delete impl_->sound.data();
    delete impl_->gui;
}

void QtEngine::stop() {
    {
        std::lock_guard lock(impl_->mutex);
        impl_->stopped = true;
    }
    impl_->cv.notify_all();
}

void QtEngine::window_opened(Window& window) {
    auto m = std::make_shared<Mirror>();
    m->window = &window;
    m->kind = window.kind();
    {
        std::lock_guard lock(impl_->mutex);
        if (impl_->stopped) return;
        impl_->mirrors[&window] = m;
    }
    impl_->schedule_sync(m);
}

void QtEngine::window_changed(Window& window) {
    if (auto m = impl_->find(window)) impl_->schedule_sync(m);
}

void QtEngine::window_closed(Window& window) {
    std::shared_ptr<Mirror> m;
    {
        std::lock_guard lock(impl_->mutex);
        auto it = impl_->mirrors.find(&window);
        if (it == impl_->mirrors.end()) return;
        m = it->second;
        impl_->mirrors.erase(it);
    }
    // The GUI thread lets go of the window before the model goes.
    impl_->run_blocking([impl = impl_.get(), m] { impl->destroy(*m); });
}

void QtEngine::flush() {
    std::vector<std::shared_ptr<Mirror>> all;
    {
        std::lock_guard lock(impl_->mutex);
        for (auto& [w, m] : impl_->mirrors) all.push_back(m);
    }
    std::stable_partition(all.begin(), all.end(), [](const auto& m) { return m->kind == WindowKind::Frame; });
    for (auto& m : all)
        if (m->sync_pending || !m->built) impl_->sync(*m);
}

QImage QtEngine::grab(Window& window) {
    flush();
    auto m = impl_->find(window);
    if (!m || !m->top) return {};
    QWidget* w = m->main ? static_cast<QWidget*>(m->main) : static_cast<QWidget*>(m->canvas);
    return w ? w->grab().toImage() : QImage();
}

bool QtEngine::save_png(Window& window, const std::string& path) {
    QImage image = grab(window);
    return !image.isNull() && image.save(qt::qs(path), "PNG");
}

QWidget* QtEngine::widget(const Window& window, int control) const {
    auto m = impl_->find(window);
    if (!m || !m->alive) return nullptr;
    if (control == 0) return m->top;
    auto it = m->views.find(control);
    return it == m->views.end() ? nullptr : it->second.widget.data();
}

// --- requests ---

Button QtEngine::message_box(const MessageBoxRequest& r) {
    return impl_->ask<Button>(r.default_button, [impl = impl_.get(), r](std::function<void(Button)> answer) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        switch (r.icon) {
            case MessageIcon::Information: icon = QMessageBox::Information; break;
            case MessageIcon::Question: icon = QMessageBox::Question; break;
            case MessageIcon::Exclamation: icon = QMessageBox::Warning; break;
            case MessageIcon::Hand: icon = QMessageBox::Critical; break;
            case MessageIcon::None: break;
        }
        static const std::pair<Button, QMessageBox::StandardButton> kButtons[] = {
            {ButtonOk, QMessageBox::Ok},       {ButtonYes, QMessageBox::Yes},     {ButtonNo, QMessageBox::No},
            {ButtonCancel, QMessageBox::Cancel}, {ButtonRetry, QMessageBox::Retry}, {ButtonAbort, QMessageBox::Abort},
            {ButtonIgnore, QMessageBox::Ignore},
        };
        QMessageBox::StandardButtons buttons;
        for (auto [ours, theirs] : kButtons)
            if (r.buttons & ours) buttons |= theirs;
        if (!buttons) buttons = QMessageBox::Ok;
        auto* box = new QMessageBox(icon, qs(r.title), qs(r.text), buttons, impl->dialog_parent());
        box->setTextFormat(Qt::PlainText);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::ApplicationModal);
        for (auto [ours, theirs] : kButtons)
            if (ours == r.default_button && (buttons & theirs)) box->setDefaultButton(theirs);
        QObject::connect(box, &QMessageBox::finished, box, [box, answer, r](int) {
            const QMessageBox::StandardButton clicked = box->standardButton(box->clickedButton());
            for (auto [ours, theirs] : kButtons)
                if (theirs == clicked) return answer(ours);
            // Closed without a button: cancel where there is one, else the default.
            answer((r.buttons & ButtonCancel) ? ButtonCancel : r.default_button);
        });
        box->show();
    });
}

std::optional<std::string> QtEngine::file_dialog(const FileDialogRequest& r) {
    using Answer = std::optional<std::string>;
    return impl_->ask<Answer>(std::nullopt, [impl = impl_.get(), r](std::function<void(Answer)> answer) {
        QStringList filters;
        for (const FileMask& mask : r.masks) {
            QString pattern = qs(mask.pattern);
            pattern.replace(';', ' ');
            filters << qs(mask.description) + " (" + pattern + ")";
        }
        const QString folder = r.folder.empty() ? QString() : qs(native_path(r.folder));
        auto* dialog = new QFileDialog(impl->dialog_parent(), qs(r.title), folder, filters.join(";;"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setWindowModality(Qt::ApplicationModal);
        QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, answer](int result) {
            const QStringList files = dialog->selectedFiles();
            if (result == QDialog::Accepted && !files.isEmpty())
                answer(files.first().toStdString());
            else
                answer(std::nullopt);
        });
        dialog->show();
    });
}

int QtEngine::popup_menu(const PopupRequest& r) {
    return impl_->ask<int>(0, [impl = impl_.get(), r](std::function<void(int)> answer) {
        auto* menu = new QMenu(impl->dialog_parent());
        auto chosen = std::make_shared<int>(0);
        int number = 0;
        for (std::size_t i = 0; i < r.items.size(); ++i) {
            const std::string& item = r.items[i];
            if (item == "-") {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(qs(item));
            action->setEnabled(!(i < r.disabled.size() && r.disabled[i]));
            const int n = ++number;
            QObject::connect(action, &QAction::triggered, menu, [chosen, n] { *chosen = n; });
        }
        // The chosen item is triggered just after the menu hides: answer once both are done.
        QObject::connect(menu, &QMenu::aboutToHide, menu, [menu, chosen, answer] {
            QMetaObject::invokeMethod(
                menu,
                [menu, chosen, answer] {
                    answer(*chosen);
                    menu->deleteLater();
                },
                Qt::QueuedConnection);
        });
        menu->popup(QCursor::pos());
    });
}

bool QtEngine::print_setup() {
    return impl_->ask<bool>(false, [impl = impl_.get()](std::function<void(bool)> answer) {
        if (!impl->printer) impl->printer = std::make_unique<QPrinter>();
        auto* dialog = new QPrintDialog(impl->printer.get(), impl->dialog_parent());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setWindowModality(Qt::ApplicationModal);
        QObject::connect(dialog, &QDialog::finished, dialog,
                         [answer](int result) { answer(result == QDialog::Accepted); });
        dialog->show();
    });
}

void QtEngine::play_sound(const std::string& file) {
    auto play = [impl = impl_.get(), file] {
        if (file.empty() || !file_exists(file)) return;  // nothing to play
        if (impl->sound) {
            impl->sound->stop();  // a new sound cuts off the one still playing
            impl->sound->deleteLater();
        }
        auto* effect = new QSoundEffect(impl->gui);
        effect->setSource(QUrl::fromLocalFile(qs(native_path(file))));
        effect->play();
        impl->sound = effect;
    };
    if (impl_->on_gui())
        play();
    else
        impl_->post(play);
}

void QtEngine::beep() {
    if (impl_->on_gui())
        QApplication::beep();
    else
        impl_->post([] { QApplication::beep(); });
}

void QtEngine::arrange(Window& frame, Arrangement how) {
    auto m = impl_->find(frame);
    if (!m) return;
    auto task = [impl = impl_.get(), m, how] {
        if (m->alive) impl->arrange(*m, how);
    };
    if (impl_->on_gui())
        task();
    else
        impl_->post(task);
}

}  // namespace zrv
