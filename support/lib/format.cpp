#include "support/lib/format.h"

#include <algorithm>
#include <cstdio>

std::string VMessage(const char* fmt, va_list args) {
    if (!fmt) return {};
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, fmt, measure);
    va_end(measure);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length), '\0');
    std::vsnprintf(text.data(), text.size() + 1, fmt, args);
    return text;
}

std::string Message(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string text = VMessage(fmt, args);
    va_end(args);
    return text;
}

int VSNprintf(char* buf, size_t size, const char* fmt, va_list args) {
    if (!buf || size == 0) return 0;
    buf[0] = '\0';
    if (!fmt) return 0;
    const int length = std::vsnprintf(buf, size, fmt, args);
    if (length < 0) {
        buf[0] = '\0';
        return 0;
    }
    return static_cast<int>(std::min(static_cast<size_t>(length), size - 1));
}

int SNprintf(char* buf, size_t size, const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    const int length = VSNprintf(buf, size, fmt, args);
    va_end(args);
    return length;
}
