// The window system's side of the exception dialog: where errors are caught, and what the
// faulting thread looked like.
#pragma once
#include <exception>

#include "exception_dialog.h"

// Routes the program's unhandled errors and faults to the active dialog (HExceptionDialog::Active).
void InstallExceptionHooks();
void RemoveExceptionHooks();
// Fills in the call stack of the current thread at the point error was thrown where the
// system lets it be seen, else at the call, with what the options ask for.
void CaptureThrowSite(TExceptionReport& report, TExceptionOptions options, const std::exception& error);
// The system's message box for a report.
void ShowExceptionMessage(const std::string& caption, const std::string& text);
