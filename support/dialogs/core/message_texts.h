// The texts of the message boxes: Tarnwick's string table in English and Russian, and the
// built-in English button texts used when a string is missing or the caller asks for them.
#pragma once
#include <string>

enum XMBStringId : int {
    XMB_STR_ATTENTION = 1030,
    XMB_STR_QUESTION = 1031,
    XMB_STR_OK = 9001,
    XMB_STR_CANCEL = 9002,
    XMB_STR_IGNORE = 9003,
    XMB_STR_RETRY = 9004,
    XMB_STR_ABORT = 9005,
    XMB_STR_HELP = 9006,
    XMB_STR_YES = 9007,
    XMB_STR_NO = 9008,
    XMB_STR_CONTINUE = 9009,
    XMB_STR_NOTASKAGAIN = 9010,
    XMB_STR_NOTTELLAGAIN = 9011,
    XMB_STR_YESTOALL = 9012,
    XMB_STR_NOTOALL = 9013,
};

// The string table entry in the user's language; null when the table has none.
const char* TarnwickString(int id);

// The built-in English text of a button or check box string; "" for other numbers.
const char* XMBBuiltInText(int id);

// A button or check box text: the built-in one when builtIn is set or the table has none.
std::string XMBButtonText(int id, bool builtIn);
