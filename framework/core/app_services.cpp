#include "framework/core/app_services.h"

namespace zrv {

namespace {

// What the settings file cannot keep is told to the operator once: message 2 for a file that
// exists (read-only, or in a folder that cannot be written), 12 for one that cannot be created.
void report_settings_failure(const std::string& path, bool existed, const std::string& why) {
    ErrorReporter& reporter = app_error_reporter();
    reporter.set_file_name(path);
    reporter.raise_with_text(existed ? 2 : 12, why);
}

}  // namespace

SettingsFile& app_settings_file() {
    static SettingsFile& file = []() -> SettingsFile& {
        static SettingsFile f;
        f.on_write_failure(&report_settings_failure);
        return f;
    }();
    return file;
}

TextMatcher& app_text_matcher() {
    static TextMatcher matcher;
    return matcher;
}

}  // namespace zrv
