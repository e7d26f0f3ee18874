// Names and defaults of the runtime's values in its configuration storage (osk.hcfg).
// Every reader and writer uses these, so a name or a default lives in one place.
#pragma once
#include "keys/host_settings.h"

// Options edited in the settings dialog.
inline constexpr char kOnTaskbar[] = "OnTaskbar";
inline constexpr bool kDefaultOnTaskbar = true;

// Takes effect when the keyboard window is next created, i.e. at the next start.
inline constexpr char kCaption[] = "Caption";
inline constexpr bool kDefaultCaption = false;

inline constexpr char kHooKL[] = "HooKL";
inline constexpr bool kDefaultHooKL = true;

inline constexpr char kSetKL[] = "SetKL";
inline constexpr bool kDefaultSetKL = true;

inline constexpr char kIgnoreLoadErrors[] = "IgnoreLoadErrors";
inline constexpr bool kDefaultIgnoreLoadErrors = false;

inline constexpr char kLoadLastForm[] = "LoadLastForm";
inline constexpr bool kDefaultLoadLastForm = true;

inline constexpr char kClearBuff[] = "ClearBuff";
inline constexpr bool kDefaultClearBuff = true;

inline constexpr char kDispChar[] = "DispChar";
inline constexpr bool kDefaultDispChar = true;

// Milliseconds the character window stays visible.
inline constexpr char kAutohideInterval[] = "AutohideInterval";
inline constexpr int kDefaultAutohideInterval = 1000;
inline constexpr int kMinAutohideInterval = 300;
inline constexpr int kMaxAutohideInterval = 5000;
inline constexpr int kAutohideIntervalStep = 100;

inline constexpr char kCharFont[] = "CharFont";
inline constexpr char kDefaultCharFont[] = "Verdana";

// Points.
inline constexpr char kCharFontSz[] = "CharFontSz";
inline constexpr int kDefaultCharFontSz = 36;
inline constexpr int kMinCharFontSz = 10;
inline constexpr int kMaxCharFontSz = 50;
inline constexpr int kCharFontSzStep = 1;

// The runtime's memory.

// Full path of the last layout loaded successfully.
inline constexpr char kLastUsedForm[] = "LastUsedForm";
inline constexpr char kDefaultLastUsedForm[] = "";

// Directory of the last picked layout file; its default is the start-up directory,
// which is known only at run time.
inline constexpr char kLastPath[] = "LastPath";

// Window positions per layout: a ring of kFormsSlots entries "Item0".."Item29".
inline constexpr char kForms[] = "Forms";
inline constexpr char kFormsIndex[] = "Index";
inline constexpr char kFormsItemFormat[] = "Item%d";
inline constexpr char kFormsItemName[] = "Name";
inline constexpr char kFormsItemLeft[] = "Left";
inline constexpr char kFormsItemTop[] = "Top";
inline constexpr int kFormsSlots = 30;
