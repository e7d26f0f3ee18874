// The settings the keys ask their host window for (WM_OSK_GETSETTING), with the default
// each host reads them with; both programs keep them among their own settings, written as
// Booleans and read by the keys as integers (0 = off).
#pragma once

// Sided modifier codes (left and right Shift, Ctrl, Alt) are told apart.
inline constexpr char kLRDiff[] = "LRDiff";
inline constexpr bool kDefaultLRDiff = true;
// Ctrl and Alt are left out when the keys draw their labels.
inline constexpr char kIgnoreCA[] = "IgnoreCA";
inline constexpr bool kDefaultIgnoreCA = true;
