// The message window's options under a configuration key.
#pragma once
#include "message_options.h"

class HConfigItem;

// Absent values keep what options holds.
void ReadHiInfoOptions(HiInfoOptions& options, const HConfigItem& key);
void WriteHiInfoOptions(const HiInfoOptions& options, HConfigItem& key);

