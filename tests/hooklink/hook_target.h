// What the test and its target process agree on.
#pragma once

inline constexpr char kHookTargetClass[] = "HookLinkTargetWindow";
