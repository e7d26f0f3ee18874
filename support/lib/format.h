// printf-style formatting into std::string and into bounded buffers.
#pragma once
#include <cstdarg>
#include <cstddef>
#include <string>

#include "support/lib/printf_format.h"

// The formatted text, of any length; "" for a null or unusable format.
std::string Message(const char* fmt, ...) PENDREL_PRINTF(1, 2);
std::string VMessage(const char* fmt, va_list args) PENDREL_PRINTF(1, 0);

// Format into buf of size bytes, truncating; always zero-terminated when size > 0.
// Returns the length written (after truncation), 0 when size is 0.
int SNprintf(char* buf, size_t size, const char* fmt, ...) PENDREL_PRINTF(3, 4);
int VSNprintf(char* buf, size_t size, const char* fmt, va_list args) PENDREL_PRINTF(3, 0);
