#pragma once
// What the program puts in its working folder when the folder lacks it: the time-up sound
// "TimeUP.wav" and the demo digit sets under "Digits" (a set whose folder is missing is put
// there whole). The files are carried inside the program.
#include <string>

namespace zrv {

// Puts what is missing into the current folder. What cannot be put there is said once, in one
// line on the standard error and in the error log, and returned (empty when all is there).
std::string provide_working_files();

}  // namespace zrv
