// The message window's options under a configuration key.
#pragma once
#include "message_options.h"

class HConfigItem;

// Absent values keep what options holds.
void ReadHiInfoOptions(HiInfoOptions& options, const HConfigItem& key);
void WriteHiInfoOptions(const HiInfoOptions& options, HConfigItem& key);

#ifdef _WIN32
// The process-wide options of the message window, read (and applied at once) or written; a null key does nothing.
void HiLoadCfg(HConfigItem* key);
void HiSaveCfg(HConfigItem* key);
#endif
