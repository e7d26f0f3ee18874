#include "assertion.h"

#include "file_log.h"
#include "win_abort.h"

void AssertionFailed(const char* condition, const char* file, int line) {
    FILELog("Assertion failed: %s at %s:%d", condition, file, line);
    __WinAbort("Assertion fail: %s", condition);
}
