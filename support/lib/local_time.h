// The wall-clock time as log lines show it.
#pragma once
#include <string>

// "YYYY-MM-DD HH:MM:SS.mmm" in local time.
std::string LocalTimeStamp();
