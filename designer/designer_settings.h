// The designer's settings: value names under the key path "IDE" of "designer.hcfg", each
// with the default it is read with.
#pragma once
#include <cstdint>

#include "keys/host_settings.h"

inline constexpr char kDesignerConfigFile[] = "designer.hcfg";
inline constexpr char kSettingsKeyPath[] = "IDE";

inline constexpr char kAutosave[] = "Autosave";
inline constexpr bool kDefaultAutosave = true;
inline constexpr char kCompress[] = "Compress";
inline constexpr bool kDefaultCompress = true;
inline constexpr char kTextForm[] = "TextForm";
inline constexpr bool kDefaultTextForm = false;
inline constexpr char kAutoNewForm[] = "AutoNewForm";
inline constexpr bool kDefaultAutoNewForm = true;
inline constexpr char kDoReopen[] = "DoReopen";
// Missing from the file, the settings dialog shows it off while the reopen list is still written.
inline constexpr bool kDefaultDoReopenInDialog = false;
inline constexpr bool kDefaultDoReopenOnSave = true;
inline constexpr char kGridAlign[] = "Designer/GridAlign";
inline constexpr bool kDefaultGridAlign = false;
inline constexpr char kGridVisible[] = "Designer/GridVisible";
inline constexpr bool kDefaultGridVisible = true;
inline constexpr char kGridWidth[] = "Designer/GridWidth";
inline constexpr char kGridHeight[] = "Designer/GridHeight";
inline constexpr int kDefaultGridStep = 8;
inline constexpr char kGridBk[] = "Designer/GridBk";
inline constexpr uint32_t kDefaultGridBk = 0x8000000F;
inline constexpr char kGridColor[] = "Designer/GridColor";
inline constexpr uint32_t kDefaultGridColor = 0x808080;
inline constexpr char kOSKWidth[] = "OSKWidth";
inline constexpr int kDefaultOSKWidth = 400;
inline constexpr char kOSKHeight[] = "OSKHeight";
inline constexpr int kDefaultOSKHeight = 200;
inline constexpr char kInspectorFixedColWidth[] = "InspectorFixedColWidth";
inline constexpr int kDefaultInspectorFixedColWidth = 110;
inline constexpr char kInspectorWidth[] = "InspectorWidth";
inline constexpr int kDefaultInspectorWidth = 300;
inline constexpr char kWindowState[] = "WindowState";  // 0 normal, 1 minimised, 2 maximised
inline constexpr char kWindowX[] = "WindowX";
inline constexpr char kWindowY[] = "WindowY";
inline constexpr char kWindowW[] = "WindowW";
inline constexpr char kWindowH[] = "WindowH";
inline constexpr char kReopenCount[] = "ReopenCount";
inline constexpr char kReopenForm[] = "ReopenForm%d";
// Default: the program's folder joined with "Data".
inline constexpr char kLastUsedFormPath[] = "LastUsedFormPath";
inline constexpr char kDefaultFormFolder[] = "Data";
