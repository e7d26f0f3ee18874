#include "hi_info.h"
#include "message_options_config.h"

void HiLoadCfg(HConfigItem* key) {
    if (!key) return;
    ReadHiInfoOptions(HiInfo::GetOpts(), *key);
    HiInfo::UpdateOpts();
}

void HiSaveCfg(HConfigItem* key) {
    if (key) WriteHiInfoOptions(HiInfo::GetOpts(), *key);
}
