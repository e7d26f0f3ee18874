// Window messages between keys, the hook library and the host windows (WM_USER + n).
#pragma once
#include <cstdint>

inline constexpr uint32_t kWmUser = 0x0400;
inline constexpr uint32_t WM_OSK_SENDKEY = kWmUser + 100;        // 1124
inline constexpr uint32_t WM_OSK_REFRESHKEYS = kWmUser + 101;    // 1125
inline constexpr uint32_t WM_OSK_LAYOUTCHANGED = kWmUser + 102;  // 1126
// wParam: the setting's name (const char*); lParam: its default. A non-zero answer means on.
inline constexpr uint32_t WM_OSK_GETSETTING = kWmUser + 103;     // 1127
// wParam: the key (OSKCustomKey*); lParam: 0.
inline constexpr uint32_t WM_OSK_KEYPRESSED = kWmUser + 104;     // 1128
inline constexpr uint32_t WM_OSK_SHOWHIDE = kWmUser + 105;       // 1129
inline constexpr uint32_t WM_OSK_APPLYTASKBAR = kWmUser + 111;   // 1135
