// Reading a text at an address another program handed us: the address is checked page by page
// before a byte is touched.
#pragma once
#include <cstddef>
#include <string>

// The NUL-terminated text at address, at most maxLength bytes before its NUL. False, with text
// unchanged, when address is null, when a byte up to the NUL is not committed readable memory,
// or when no NUL comes within maxLength + 1 bytes.
bool ReadTextAt(const void* address, size_t maxLength, std::string& text);
