// The message window: a list of messages with their kind, optional time, and text, that
// pops up when a message of a high enough kind arrives. Messages and options are process-wide.
#pragma once
#include <windows.h>

#include <cstdarg>
#include <string>

#include "components/visual/messages/message_kinds.h"
#include "components/visual/messages/message_options.h"
#include "support/lib/printf_format.h"

// Adds a message formatted printf-style (see HiMessageCenter::Add for trimming and popping up).
void HiMessage(HWND owner, HiIcon kind, const char* format, ...) PENDREL_PRINTF(3, 4);
void HiMessageV(HWND owner, HiIcon kind, const char* format, va_list args) PENDREL_PRINTF(3, 0);

class HConfigItem;

// The process-wide options of the message window under a configuration key, read (and
// applied at once) or written; a null key does nothing.
void HiLoadCfg(HConfigItem* key);
void HiSaveCfg(HConfigItem* key);

class HiInfo {
public:
    static void Activate(HWND owner, bool onlyIfNotEmpty);
    static void Close();
    static bool Visible();
    static void Clear();
    // The options, for change by the caller; UpdateOpts applies them to the open window.
    static HiInfoOptions& GetOpts();
    static void UpdateOpts();
    static void Lock();
    static void Unlock();
    static int Locked();
    static const char* Icon2Str(int kind) { return HiIconName(kind); }
    static HICON GetHIcon(int kind);
    // The window while it exists, else null.
    static HWND Window();
    // The messages held, shown or not.
    static size_t Count();
    // The text of message index, oldest first; empty past the last.
    static std::string Text(size_t index);
};
