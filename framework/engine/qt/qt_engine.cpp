#include "framework/engine/qt/qt_engine.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>

#include "framework/engine/qt/qt_engine_impl.h"

namespace zrv {

using qt::Mirror;
using qt::qs;

// ---------------------------------------------------------------------------------------------
// The engine

QFont dialog_font() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    return font;
}

namespace {

struct Units {
    double x, y;
};

const Units& units() {
    static const Units u = [] {
        const QFontMetricsF metrics(dialog_font());
        const double average = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52;
        return Units{average / 4, std::ceil(metrics.height()) / 8};
    }();
    return u;
}

}  // namespace

double unit_x() { return units().x; }
double unit_y() { return units().y; }

QtEngine::QtEngine() : impl_(std::make_unique<Impl>()) {
    impl_->owner = this;
    impl_->gui = new QObject;
    QApplication::setFont(dialog_font());
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
    delete impl_->input_guard.data();
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

void QtEngine::take_typing(Window& window) {
    if (auto m = impl_->find(window))
        impl_->run_blocking([impl = impl_.get(), m] {
            if (m->alive) impl->commit_typing(*m);
        });
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

std::vector<Window*> QtEngine::windows() const {
    std::vector<Window*> all;
    {
        std::lock_guard lock(impl_->mutex);
        for (auto& [w, m] : impl_->mirrors) all.push_back(m->window);
    }
    std::sort(all.begin(), all.end(), [](const Window* a, const Window* b) { return a->id() < b->id(); });
    return all;
}

QWidget* QtEngine::widget(const Window& window, int control) const {
    auto m = impl_->find(window);
    if (!m || !m->alive) return nullptr;
    if (control == 0) return m->top;
    auto it = m->views.find(control);
    return it == m->views.end() ? nullptr : it->second.widget.data();
}

void QtEngine::arrange(Window& frame, Arrangement how) {
    auto m = impl_->find(frame);
    if (!m) return;
    auto task = [impl = impl_.get(), m, how] {
        if (m->alive) impl->arrange(*m, how);
    };
    if (impl_->on_gui()) task();
    else impl_->post(task);
}

}  // namespace zrv
