#pragma once
// An engine in front of another that notes the windows it is given, so that a test or a
// benchmark can find the model windows that procedures open on their own threads.
#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "framework/core/engine.h"
#include "framework/core/window.h"

namespace zrv {

class RecordingEngine final : public Engine {
public:
    explicit RecordingEngine(Engine& inner) : inner_(inner) {}
    std::vector<Window*> windows() const {
        std::lock_guard lock(mutex_);
        return windows_;
    }
    // The open window of a procedure, or nullptr.
    Window* window(const std::string& procedure) const {
        std::lock_guard lock(mutex_);
        for (Window* w : windows_)
            if (w->procedure() == procedure) return w;
        return nullptr;
    }

    void window_opened(Window& w) override {
        {
            std::lock_guard lock(mutex_);
            windows_.push_back(&w);
        }
        inner_.window_opened(w);
    }
    void window_changed(Window& w) override { inner_.window_changed(w); }
    void window_closed(Window& w) override {
        {
            std::lock_guard lock(mutex_);
            std::erase(windows_, &w);
        }
        inner_.window_closed(w);
    }
    Button message_box(const MessageBoxRequest& r) override { return inner_.message_box(r); }
    std::optional<std::string> file_dialog(const FileDialogRequest& r) override { return inner_.file_dialog(r); }
    int popup_menu(const PopupRequest& r) override { return inner_.popup_menu(r); }
    bool print_setup() override { return inner_.print_setup(); }
    void play_sound(const std::string& file) override { inner_.play_sound(file); }
    void beep() override { inner_.beep(); }
    void arrange(Window& frame, Arrangement a) override { inner_.arrange(frame, a); }
    double pixels_per_unit_x() const override { return inner_.pixels_per_unit_x(); }
    double pixels_per_unit_y() const override { return inner_.pixels_per_unit_y(); }

private:
    Engine& inner_;
    mutable std::mutex mutex_;
    std::vector<Window*> windows_;
};

}  // namespace zrv
