#include "framework/engine/headless/headless_engine.h"

#include <algorithm>

#include "framework/core/thread_context.h"
#include "framework/core/window.h"

namespace zrv {

void HeadlessEngine::window_opened(Window& window) {
    std::lock_guard lock(mutex_);
    windows_.push_back(&window);
}

void HeadlessEngine::window_closed(Window& window) {
    std::lock_guard lock(mutex_);
    std::erase(windows_, &window);
}

std::vector<Window*> HeadlessEngine::windows() const {
    std::lock_guard lock(mutex_);
    return windows_;
}

std::shared_ptr<HeadlessEngine::Pending> HeadlessEngine::ask(std::shared_ptr<Pending> request) {
    request->thread = this_thread().number();
    {
        std::lock_guard lock(mutex_);
        pending_.push_back(request);
    }
    {
        std::unique_lock lock(request->point.mutex());
        while (!request->answered) request->point.wait(lock);
    }
    std::lock_guard lock(mutex_);
    std::erase(pending_, request);
    return request;
}

void HeadlessEngine::answer(const std::shared_ptr<Pending>& request, const std::function<void(Pending&)>& fill) {
    std::lock_guard lock(request->point.mutex());
    fill(*request);
    request->answered = true;
    request->point.wake_locked();
}

std::vector<std::shared_ptr<HeadlessEngine::Pending>> HeadlessEngine::pending() const {
    std::lock_guard lock(mutex_);
    return pending_;
}

Button HeadlessEngine::message_box(const MessageBoxRequest& r) {
    {
        std::lock_guard lock(mutex_);
        messages_.push_back(r);
        if (!scripted_buttons_.empty()) {
            Button b = scripted_buttons_.front();
            scripted_buttons_.pop_front();
            return b;
        }
    }
    auto p = std::make_shared<Pending>();
    p->kind = RequestKind::Message;
    p->message = r;
    return ask(p)->button;
}

std::optional<std::string> HeadlessEngine::file_dialog(const FileDialogRequest& r) {
    {
        std::lock_guard lock(mutex_);
        files_.push_back(r);
        if (!scripted_files_.empty()) {
            auto f = scripted_files_.front();
            scripted_files_.pop_front();
            return f;
        }
    }
    auto p = std::make_shared<Pending>();
    p->kind = RequestKind::File;
    p->file = r;
    return ask(p)->path;
}

int HeadlessEngine::popup_menu(const PopupRequest& r) {
    {
        std::lock_guard lock(mutex_);
        popups_.push_back(r);
        if (!scripted_items_.empty()) {
            int i = scripted_items_.front();
            scripted_items_.pop_front();
            return i;
        }
    }
    auto p = std::make_shared<Pending>();
    p->kind = RequestKind::Popup;
    p->popup = r;
    return ask(p)->item;
}

bool HeadlessEngine::print_setup() {
    {
        std::lock_guard lock(mutex_);
        ++print_setups_;
    }
    auto p = std::make_shared<Pending>();
    p->kind = RequestKind::PrintSetup;
    return ask(p)->accepted;
}

void HeadlessEngine::play_sound(const std::string& file) {
    std::lock_guard lock(mutex_);
    sounds_.push_back(file);
}

void HeadlessEngine::take_typing(Window& window) {
    std::function<void(Window&)> source;
    {
        std::lock_guard lock(mutex_);
        source = typing_source_;
    }
    if (source) source(window);
}

void HeadlessEngine::set_typing_source(std::function<void(Window&)> source) {
    std::lock_guard lock(mutex_);
    typing_source_ = std::move(source);
}

void HeadlessEngine::beep() {
    std::lock_guard lock(mutex_);
    ++beeps_;
}

int HeadlessEngine::beeps() const {
    std::lock_guard lock(mutex_);
    return beeps_;
}

void HeadlessEngine::arrange(Window&, Arrangement a) {
    std::lock_guard lock(mutex_);
    arrangements_.push_back(a);
}

void HeadlessEngine::script_message(Button b) {
    std::lock_guard lock(mutex_);
    scripted_buttons_.push_back(b);
}
void HeadlessEngine::script_file(std::optional<std::string> path) {
    std::lock_guard lock(mutex_);
    scripted_files_.push_back(std::move(path));
}
void HeadlessEngine::script_popup(int item) {
    std::lock_guard lock(mutex_);
    scripted_items_.push_back(item);
}

std::vector<MessageBoxRequest> HeadlessEngine::messages_shown() const {
    std::lock_guard lock(mutex_);
    return messages_;
}
std::vector<PopupRequest> HeadlessEngine::popups_shown() const {
    std::lock_guard lock(mutex_);
    return popups_;
}
std::vector<FileDialogRequest> HeadlessEngine::file_dialogs_shown() const {
    std::lock_guard lock(mutex_);
    return files_;
}
std::vector<std::string> HeadlessEngine::sounds() const {
    std::lock_guard lock(mutex_);
    return sounds_;
}
std::vector<Arrangement> HeadlessEngine::arrangements() const {
    std::lock_guard lock(mutex_);
    return arrangements_;
}
int HeadlessEngine::print_setups() const {
    std::lock_guard lock(mutex_);
    return print_setups_;
}

}  // namespace zrv
