// Keeping a dockable window's placement in a settings key: docked or floating, which dock,
// where in it, the floating position, the client size and whether it is shown.
#pragma once
#include <functional>

#include "dockable_window97.h"
#include "support/lib/config/config_item.h"

// Puts the window on the dock a stored dock code names.
using HDockFunction = std::function<void(int dockCode)>;

// Writes "Visible", "Float", "Dock" (dockCode), "X" and "Y" (the floating position), "W" and
// "H" (the client size), "DockPos" and "DockRow". Nothing without a window or a key.
void SaveToolwindow(TCustomDockableWindow97* window, HConfigItem* key, int dockCode);
// Applies what SaveToolwindow stored; missing values keep the window's own, except that a
// window without "Float" floats. Without a dock function a tool window or toolbar with
// stored placement uses its own SetDock. Values no screen can show are brought back: a
// size that is not positive keeps the current one, and a floating window ends up inside the
// work area of the monitor nearest to its stored place. Nothing without a window or a key.
void LoadToolwindow(TCustomDockableWindow97* window, HConfigItem* key, HDockFunction dock = {});
