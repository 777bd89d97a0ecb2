#include "framework/core/app_services.h"

namespace zrv {

SettingsFile& app_settings_file() {
    static SettingsFile file;
    return file;
}

TextMatcher& app_text_matcher() {
    static TextMatcher matcher;
    return matcher;
}

}  // namespace zrv
