// UTF-8 to the UTF-16 that dialog templates hold, without the window system.
#pragma once
#include <string>
#include <string_view>

// Malformed sequences become U+FFFD, so any byte string converts.
std::u16string Utf8ToUtf16(std::string_view text);
