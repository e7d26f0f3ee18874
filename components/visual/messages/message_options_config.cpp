#include "message_options_config.h"

#include <string>

#include "support/lib/config/config_item.h"

namespace {
std::string FilterName(int kind) { return "Flt" + std::to_string(kind); }
}  // namespace

void ReadHiInfoOptions(HiInfoOptions& options, const HConfigItem& key) {
    options.x = key.Read("x", options.x);
    options.y = key.Read("y", options.y);
    options.w = key.Read("w", options.w);
    options.h = key.Read("h", options.h);
    options.state = key.Read("state", options.state);
    options.CloseAction = key.Read("CloseAction", options.CloseAction);
    options.ActivateMin = key.Read("ActivateMin", options.ActivateMin);
    for (int kind = 0; kind < kHiIconCount; ++kind) options.Flt[kind] = key.Read(FilterName(kind), options.Flt[kind]);
    options.MaxItems = key.Read("MaxItems", options.MaxItems);
    options.Timestamp = key.Read("Timestamp", options.Timestamp);
    options.LogToFile = key.Read("LogToFile", options.LogToFile);
}

void WriteHiInfoOptions(const HiInfoOptions& options, HConfigItem& key) {
    key.Write("x", options.x);
    key.Write("y", options.y);
    key.Write("w", options.w);
    key.Write("h", options.h);
    key.Write("state", options.state);
    key.Write("CloseAction", options.CloseAction);
    key.Write("ActivateMin", options.ActivateMin);
    for (int kind = 0; kind < kHiIconCount; ++kind) key.Write(FilterName(kind), options.Flt[kind]);
    key.Write("MaxItems", options.MaxItems);
    key.Write("Timestamp", options.Timestamp);
    key.Write("LogToFile", options.LogToFile);
}
