#include <windows.h>

#include "support/lib/format.h"
#include "support/lib/local_time.h"

std::string LocalTimeStamp() {
    SYSTEMTIME local;
    GetLocalTime(&local);
    return Message("%04u-%02u-%02u %02u:%02u:%02u.%03u", local.wYear, local.wMonth, local.wDay, local.wHour,
                   local.wMinute, local.wSecond, local.wMilliseconds);
}
