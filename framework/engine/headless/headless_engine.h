#pragma once
// The headless engine: draws nothing, keeps the open windows for a test to look at, and holds
// every request that needs the operator (message box, file dialog, popup menu, print setup)
// until the test answers it, or answers it at once from a script.
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/clock.h"
#include "framework/core/engine.h"

namespace zrv {

class HeadlessEngine final : public Engine {
public:
    enum class RequestKind { Message, File, Popup, PrintSetup };

    struct Pending {
        RequestKind kind;
        MessageBoxRequest message;
        FileDialogRequest file;
        PopupRequest popup;
        int thread = 0;  // the asking thread's number
        // the answer
        bool answered = false;
        Button button = ButtonOk;
        std::optional<std::string> path;
        int item = 0;
        bool accepted = false;
        WaitPoint point;
    };

    void window_opened(Window& window) override;
    void window_changed(Window&) override {}
    void window_closed(Window& window) override;
    Button message_box(const MessageBoxRequest& request) override;
    std::optional<std::string> file_dialog(const FileDialogRequest& request) override;
    int popup_menu(const PopupRequest& request) override;
    bool print_setup() override;
    void play_sound(const std::string& file) override;
    void beep() override;
    // The test's operator keeps the entries' typing; it hands it over here.
    void take_typing(Window& window) override;
    void set_typing_source(std::function<void(Window&)> source);
    void arrange(Window& frame, Arrangement arrangement) override;

    // Open windows, oldest first.
    std::vector<Window*> windows() const;

    // Requests still waiting for the operator, oldest first.
    std::vector<std::shared_ptr<Pending>> pending() const;
    void answer(const std::shared_ptr<Pending>& request, const std::function<void(Pending&)>& fill);

    // Scripted answers, used (oldest first) instead of waiting.
    void script_message(Button button);
    void script_file(std::optional<std::string> path);
    void script_popup(int item);

    // What was shown and played, in order.
    std::vector<MessageBoxRequest> messages_shown() const;
    std::vector<PopupRequest> popups_shown() const;
    std::vector<FileDialogRequest> file_dialogs_shown() const;
    std::vector<std::string> sounds() const;
    int beeps() const;
    std::vector<Arrangement> arrangements() const;
    int print_setups() const;

private:
    std::shared_ptr<Pending> ask(std::shared_ptr<Pending> request);

    mutable std::mutex mutex_;
    std::vector<Window*> windows_;
    std::vector<std::shared_ptr<Pending>> pending_;
    std::deque<Button> scripted_buttons_;
    std::deque<std::optional<std::string>> scripted_files_;
    std::deque<int> scripted_items_;
    std::vector<MessageBoxRequest> messages_;
    std::vector<PopupRequest> popups_;
    std::vector<FileDialogRequest> files_;
    std::vector<std::string> sounds_;
    std::function<void(Window&)> typing_source_;
    int beeps_ = 0;
    std::vector<Arrangement> arrangements_;
    int print_setups_ = 0;
};

}  // namespace zrv
