#include "framework/core/error_reporter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <utility>

namespace zrv {
namespace {

thread_local ThreadErrorStatus t_status;
thread_local std::vector<std::string> t_procedures;
thread_local int t_quiet = 0;

// The default message table: the framework's own messages and the store's.
std::vector<MessageDefinition> default_messages() {
    using I = MessageIcon;
    return {
        {2, "Access Denied", "Access to %File was denied: %Message.", I::Exclamation},
        {4, "Record Insert Error", "A record could not be added to %File. Error: %Message.", I::Exclamation},
        {7, "Record Was Not Updated",
         "Another program changed this record of %File since it was read. The record has been read again.", I::Exclamation},
        {8, "Record Was Not Updated", "Another program deleted this record of %File since it was read.", I::Exclamation},
        {10, "Changes will be lost!", "Are you sure you want to cancel?", I::Question, ButtonYes | ButtonNo, ButtonNo},
        {12, "File Creation Error", "The file %File could not be created. Error: %Message.", I::Hand},
        {14, "Invalid Request", "This form cannot be used to delete a record", I::Exclamation},
        {15, "Duplicate Key Error", "Adding this record to %File creates a duplicate entry for the key: %Key", I::Exclamation},
        {19, "Value Error", "The value of %Field must be in the list : %Message.", I::Exclamation},
        {20, "Range Error", "The value of %Field must be in range %Message.", I::Exclamation},
        {26, "Invalid File", "The file %File does not have the record layout of this program. It has not been changed.", I::Hand},
        {27, "Transaction cancelled", "No transaction on %File could be started. The record was not written.", I::Exclamation},
        {30, "Procedure not defined", "The Procedure %Message has not been defined.", I::Exclamation},
        {31, "Record was not updated", "A record of %File could not be written. Error: %Message.", I::Exclamation},
        {32, "Key was not built", "The keys of %File could not be built. Error: %Message.", I::Hand},
        {33, "Invalid Key", "The keys of %File are damaged and will be rebuilt.", I::Exclamation},
        {38, "Auto Increment Error", "No new number could be given to a record of %File. Try again?", I::Question,
         ButtonYes | ButtonNo, ButtonYes},
        {kNotClosedMessage, "Program Not Closed", "A screen did not close, so the program stays open.", I::Exclamation},
    };
}

void replace_all(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

ErrorReporter::ErrorReporter() : messages_(default_messages()) {}

void ErrorReporter::initialize() {
    std::lock_guard lock(mutex_);
    messages_ = default_messages();
}

void ErrorReporter::track_procedure(std::string_view name) { t_procedures.emplace_back(name); }

void ErrorReporter::untrack_procedure() {
    if (!t_procedures.empty()) t_procedures.pop_back();
}

std::string ErrorReporter::current_procedure() const { return t_procedures.empty() ? std::string() : t_procedures.back(); }

ThreadErrorStatus& ErrorReporter::status() { return t_status; }

const MessageDefinition* ErrorReporter::definition(int number) const {
    std::lock_guard lock(mutex_);
    auto it = std::find_if(messages_.begin(), messages_.end(), [&](const MessageDefinition& m) { return m.number == number; });
    return it == messages_.end() ? nullptr : &*it;
}

void ErrorReporter::set_message_field(std::string_view field_name) { t_status.field_name = field_name; }
void ErrorReporter::set_file_name(std::string_view file_name) { t_status.file_name = file_name; }
void ErrorReporter::set_key_name(std::string_view key_name) { t_status.key_name = key_name; }

void ErrorReporter::set_file_error(int code, std::string_view text, std::string_view file) {
    t_status.save_error = code;
    t_status.save_error_text = text;
    t_status.save_error_file = file;
}

std::string ErrorReporter::format(std::string_view text) const {
    std::string out(text);
    replace_all(out, "%Message", t_status.message_text);
    replace_all(out, "%Field", t_status.field_name);
    replace_all(out, "%File", t_status.file_name);
    replace_all(out, "%KeyName", t_status.key_name);
    replace_all(out, "%Key", t_status.key_name);
    return out;
}

Button ErrorReporter::raise(int number) {
    MessageDefinition message;
    if (const MessageDefinition* found = definition(number)) message = *found;
    else message = {number, "Error", "Unknown error " + std::to_string(number) + ": %Message"};
    std::string title = format(message.title);
    std::string text = format(message.text);
    t_status.prev_error_id = t_status.current.number;
    t_status.current = message;
    if (t_quiet > 0) {
        log(title + " (" + std::to_string(number) + "): " + text);
        if (message.buttons & ButtonNo) return ButtonNo;
        if (message.buttons & ButtonCancel) return ButtonCancel;
        return message.default_button;
    }
    return show_message(message, title, text);
}

Button ErrorReporter::show_message(const MessageDefinition& message, const std::string& title, const std::string& text) {
    MessageBoxHandler handler;
    {
        std::lock_guard lock(mutex_);
        history_.push_back({message.number, title, text, current_procedure()});
        handler = handler_;
    }
    return handler ? handler(message, title, text) : message.default_button;
}

ErrorReporter::Gathered::Gathered() { ++t_status.gathering; }

ErrorReporter::Gathered::~Gathered() {
    if (--t_status.gathering == 0) show();
}

void ErrorReporter::Gathered::show() {
    const std::vector<ThreadErrorStatus::Kept> kept = std::move(t_status.kept);
    t_status.kept.clear();
    if (kept.empty()) return;
    // One box: a paragraph per subject, in the order the subjects came, its texts one after the
    // other; the titles each once; the gravest icon.
    MessageDefinition message = kept.front().message;
    std::string title, text;
    std::vector<std::string> subjects;
    for (const ThreadErrorStatus::Kept& k : kept) {
        if (title.find(k.title) == std::string::npos) title += (title.empty() ? "" : ", ") + k.title;
        if (k.message.icon == MessageIcon::Hand) message.icon = MessageIcon::Hand;
        if (std::find(subjects.begin(), subjects.end(), k.subject) == subjects.end()) subjects.push_back(k.subject);
    }
    for (const std::string& subject : subjects) {
        std::string paragraph;
        for (const ThreadErrorStatus::Kept& k : kept)
            if (k.subject == subject) paragraph += (paragraph.empty() ? "" : " ") + k.text;
        text += (text.empty() ? "" : "\n") + paragraph;
    }
    app_error_reporter().show_message(message, title, text);
}

Button ErrorReporter::raise_with_text(int number, std::string_view message_text) {
    t_status.message_text = message_text;
    return raise(number);
}

ErrorReporter::Quiet::Quiet() { ++t_quiet; }
ErrorReporter::Quiet::~Quiet() { --t_quiet; }

void ErrorReporter::log(std::string_view text) {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::string line = std::string(stamp) + "  " + current_procedure() + "  " + std::string(text) + "\n";
    std::lock_guard lock(mutex_);
    if (std::FILE* f = std::fopen(kErrorLogFile, "a")) {
        std::fputs(line.c_str(), f);
        std::fclose(f);
    }
}

ErrorReporter::Background::Background(bool background) : previous_(t_status.background) { t_status.background = background; }
ErrorReporter::Background::~Background() { t_status.background = previous_; }

bool ErrorReporter::in_background() const { return t_status.background; }

Button ErrorReporter::raise_about(std::string_view subject, int number, std::string_view message_text) {
    auto it = t_status.reported.find(subject);
    if (it == t_status.reported.end())
        it = t_status.reported.emplace(std::string(subject), std::vector<std::pair<int, std::string>>{}).first;
    auto& seen = it->second;
    const bool repeated = std::find(seen.begin(), seen.end(), std::pair<int, std::string>(number, std::string(message_text))) !=
                          seen.end();
    if (repeated && t_status.background) {
        const MessageDefinition* d = definition(number);
        return d ? d->default_button : ButtonOk;
    }
    if (!repeated) seen.emplace_back(number, std::string(message_text));
    const MessageDefinition* d = definition(number);
    if (t_status.gathering > 0 && t_quiet == 0 && d && d->buttons == ButtonOk) {
        t_status.message_text = message_text;
        t_status.prev_error_id = t_status.current.number;
        t_status.current = *d;
        t_status.kept.push_back({std::string(subject), *d, format(d->title), format(d->text)});
        return ButtonOk;
    }
    return raise_with_text(number, message_text);
}

void ErrorReporter::subject_works(std::string_view subject) {
    if (auto it = t_status.reported.find(subject); it != t_status.reported.end()) t_status.reported.erase(it);
}

std::vector<ErrorReporter::Raised> ErrorReporter::history() const {
    std::lock_guard lock(mutex_);
    return history_;
}

void ErrorReporter::clear_history() {
    std::lock_guard lock(mutex_);
    history_.clear();
}

void ErrorReporter::set_message_box_handler(MessageBoxHandler handler) {
    std::lock_guard lock(mutex_);
    handler_ = handler;
}

ErrorReporter& app_error_reporter() {
    static ErrorReporter reporter;
    return reporter;
}

}  // namespace zrv
