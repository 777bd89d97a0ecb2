#pragma once
// ErrorReporter: numbered messages with a title and a text holding the placeholders "%Message",
// "%Field", "%File" and "%Key"/"%KeyName", shown in a message box for the calling thread.
// One reporter serves the whole process; the context it fills and quotes (field, file, key and
// message texts, the last file error) and the stack of procedure names are the calling thread's.
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace zrv {

// Message-box buttons; a message's answer is one of them.
enum Button : unsigned {
    ButtonOk = 1,
    ButtonYes = 2,
    ButtonNo = 4,
    ButtonCancel = 8,
    ButtonRetry = 16,
    ButtonAbort = 32,
    ButtonIgnore = 64,
};

enum class MessageIcon { None, Information, Question, Exclamation, Hand };

struct MessageDefinition {
    int number = 0;
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::Exclamation;
    unsigned buttons = ButtonOk;
    Button default_button = ButtonOk;
    bool fatal = false;
};

// The calling thread's error context, filled by the store and the field checks.
struct ThreadErrorStatus {
    std::string field_name;    // %Field
    std::string file_name;     // %File: the table's label
    std::string key_name;      // %Key: a key's registered description
    std::string message_text;  // %Message
    int save_error = 0;        // the last file error: code and text
    std::string save_error_text;
    std::string save_error_file;
    int prev_error_id = 0;
    MessageDefinition current;  // the message being shown
    bool background = false;    // a window's timer tick is running (see ErrorReporter::Background)
    // Per subject (a table file's path): the messages reported about it since it last worked,
    // as number and %Message text.
    std::map<std::string, std::vector<std::pair<int, std::string>>, std::less<>> reported;
    // Kept while a Gathered lives (see ErrorReporter::Gathered): per subject, in order, the
    // message and the title and text it would have shown.
    int gathering = 0;
    struct Kept {
        std::string subject;
        MessageDefinition message;
        std::string title, text;
    };
    std::vector<Kept> kept;
};

// The error log: a text file in the current folder where messages that must not stop a screen
// are written instead of being shown, one line each.
inline constexpr const char* kErrorLogFile = "Zorvane.log";

// Message 40: the frame was asked to close and a screen stayed open.
inline constexpr int kNotClosedMessage = 40;
// Message 20 ("Range Error"): a value outside the range its field (%Field) holds (%Message).
inline constexpr int kRangeErrorMessage = 20;

class ErrorReporter {
public:
    // While one lives on a thread, that thread's messages show no box: each becomes a line of the
    // error log and is answered as declined (No, else Cancel, where the message offers them;
    // otherwise its default button). For work no operator is there to answer: a screen closed
    // by another program.
    class Quiet {
    public:
        Quiet();
        ~Quiet();
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;
    };

    ErrorReporter();  // holds the default message table from the start
    // Loads the default message table.
    void initialize();

    // The procedure-name stack of the calling thread.
    void track_procedure(std::string_view name);
    void untrack_procedure();
    std::string current_procedure() const;

    // Raise a message for the calling thread; returns the button that answered it.
    Button raise(int number);
    Button raise_with_text(int number, std::string_view message_text);
    // Shows a message already formatted (recorded in the history as any other).
    Button show_message(const MessageDefinition& message, const std::string& title, const std::string& text);
    // Appends a line to the error log: the date and time, the calling thread's procedure, the
    // text. A log that cannot be written is passed over: it never stops a screen.
    void log(std::string_view text);
    void set_message_field(std::string_view field_name);
    void set_file_name(std::string_view file_name);
    void set_key_name(std::string_view key_name);
    // Records the last file error of the calling thread (the store does this on every failure).
    void set_file_error(int code, std::string_view text, std::string_view file);

    // Background work on the calling thread: a window's timer tick, which re-reads what the
    // screen shows. While it runs, a failure that was reported already is not reported again
    // (see raise_about) and the table store waits for no other program. A nested event loop
    // (a form run from a tick) is foreground again.
    class Background {
    public:
        explicit Background(bool background = true);
        ~Background();
        Background(const Background&) = delete;
        Background& operator=(const Background&) = delete;

    private:
        bool previous_;
    };
    bool in_background() const;

    // While one lives on a thread, the messages about subjects (raise_about) that only inform
    // (an OK button alone) are kept instead of shown, so that a screen opening over damaged or
    // missing files first draws what it can. show() (or the end of the outermost one) shows them
    // in one box: a paragraph per subject (all its messages, in the order they came), rather
    // than a box for each.
    class Gathered {
    public:
        Gathered();
        ~Gathered();
        Gathered(const Gathered&) = delete;
        Gathered& operator=(const Gathered&) = delete;
        void show();
    };
    // Raises a message about a subject (a table file, by its path) and remembers it. In
    // background work a message the subject has had since it last worked (same number and
    // %Message text) is not shown again: it answers with its default button and stays out of
    // the history. The operator's own actions always show it.
    Button raise_about(std::string_view subject, int number, std::string_view message_text);
    // The subject works again: its next failure is reported.
    void subject_works(std::string_view subject);

    ThreadErrorStatus& status();  // the calling thread's context
    const MessageDefinition* definition(int number) const;
    // The texts a raise would show, placeholders filled from the calling thread's context.
    std::string format(std::string_view text) const;

    // Every message raised so far, newest last (for the headless driver and diagnostics).
    struct Raised {
        int number;
        std::string title;
        std::string text;
        std::string procedure;
    };
    std::vector<Raised> history() const;
    void clear_history();

    // Who shows the message box: the window engine installs itself here. With none installed
    // (a program without windows, or a test without an engine) a raise is only recorded and
    // answers with the message's default button.
    using MessageBoxHandler = Button (*)(const MessageDefinition& message, const std::string& title, const std::string& text);
    void set_message_box_handler(MessageBoxHandler handler);

private:
    mutable std::mutex mutex_;
    std::vector<MessageDefinition> messages_;
    std::vector<Raised> history_;
    MessageBoxHandler handler_ = nullptr;
};

ErrorReporter& app_error_reporter();  // the process-wide AppErrorReporter

}  // namespace zrv
