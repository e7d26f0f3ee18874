// Checks of programming errors that stay in every build, release included: a failed one is
// logged with its place and ends the process with the message "Assertion fail: ...".
#pragma once

[[noreturn]] void AssertionFailed(const char* condition, const char* file, int line);
