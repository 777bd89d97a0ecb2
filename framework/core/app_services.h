#pragma once
// The process-wide services every screen uses: AppErrorReporter (error_reporter.h),
// AppSettingsFile (".\Zorvane.INI") and AppTextMatcher.
#include "framework/core/error_reporter.h"
#include "framework/services/settings_file.h"
#include "framework/services/text_matcher.h"

namespace zrv {

SettingsFile& app_settings_file();
TextMatcher& app_text_matcher();

// Texts shown to the operator pass through the translator, which returns them unchanged.
inline const std::string& translate(const std::string& text) { return text; }

}  // namespace zrv
