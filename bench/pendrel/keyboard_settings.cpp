#include "keyboard_settings.h"

#include <stdexcept>

#include "components/config/cfg_storage.h"

void WriteKeyboardSwitch(const std::filesystem::path& settingsFile, const std::string& name, bool value) {
    HCfgStorage storage(nullptr);
    storage.SetAutoLoad(false);
    storage.SetAutoSave(false);
    storage.SetFileName(settingsFile.string());
    storage.Write(name, value);
    if (!storage.Save()) throw std::runtime_error("cannot write " + settingsFile.string());
}
