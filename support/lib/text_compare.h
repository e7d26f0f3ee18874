// Comparing 8-bit text.
#pragma once

// Compares like strcmp (bytes as unsigned): 0 when equal, negative when a sorts first, positive otherwise.
// At most length characters are compared (-1: the whole text); nullptr counts as "".
// Without caseSensitive the ASCII letters compare equal to their other case; other bytes are compared as they are.
int StrCmp(const char* a, const char* b, int length = -1, bool caseSensitive = true);
