// Failures of Windows calls, described in the system's own words.
#pragma once
#include <windows.h>

#include <string>

#include "support/framework/exceptions.h"

class EWin32Error : public Exception {
public:
    EWin32Error(const std::string& message, DWORD code) : Exception(message), ErrorCode(code) {}
    DWORD ErrorCode;
};

// The system's text for an error code, without the trailing line break.
std::string SystemErrorMessage(DWORD code);
// Raises EWin32Error for GetLastError(): "<what>: <system text> (<code>)".
[[noreturn]] void RaiseLastWin32Error(const std::string& what);
