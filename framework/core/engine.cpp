#include "framework/core/engine.h"

#include <atomic>

#include "framework/core/thread_context.h"

namespace zrv {
namespace {

class NullEngine final : public Engine {
public:
    void window_opened(Window&) override {}
    void window_changed(Window&) override {}
    void window_closed(Window&) override {}
    Button message_box(const MessageBoxRequest& r) override { return r.default_button; }
    std::optional<std::string> file_dialog(const FileDialogRequest&) override { return std::nullopt; }
    int popup_menu(const PopupRequest&) override { return 0; }
    bool print_setup() override { return false; }
    void play_sound(const std::string&) override {}
    void beep() override {}
    void arrange(Window&, Arrangement) override {}
};

NullEngine g_null;
std::atomic<Engine*> g_engine{&g_null};

Button show_message(const MessageDefinition& message, const std::string& title, const std::string& text) {
    AwaitingAnswer answering;
    return engine().message_box({title, text, message.icon, message.buttons, message.default_button});
}

}  // namespace

Engine& engine() { return *g_engine.load(); }

void set_engine(Engine* e) {
    g_engine = e ? e : &g_null;
    app_error_reporter().set_message_box_handler(e ? &show_message : nullptr);
}

}  // namespace zrv
