// How the tests find the target program's window.
#pragma once

inline constexpr wchar_t kTargetClass[] = L"PendrelE2ETarget";
inline constexpr wchar_t kTargetTitle[] = L"Pendrel e2e target";
