// The question both programs ask when a layout being read has an error: go on without the
// broken part, go on without asking again, or stop the load.
#pragma once
#include <string>

enum class TReadErrorAnswer { Ignore, IgnoreAll, Stop, Other };

// A message box owned by owner (a window handle) with Yes, "Yes to &All" and No.
TReadErrorAnswer AskAboutReadError(void* owner, const std::string& error);
