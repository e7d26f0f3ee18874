#include "toolwindow_storage.h"

#include <algorithm>

#include "dock_windowing.h"
#include "h_tool_window97.h"
#include "h_toolbar97.h"

namespace {
// A stored size the window cannot take keeps the current one.
int StoredSize(const HConfigItem& key, const char* name, int current) {
    const int stored = key.Read(name, current);
    return stored > 0 ? stored : current;
}

int StoredIndex(const HConfigItem& key, const char* name) {
    const int stored = key.Read(name, 0);
    return stored > 0 ? stored : 0;
}

HDockFunction OwnDockFunction(TCustomDockableWindow97& window) {
    if (auto* toolWindow = dynamic_cast<HCustomToolWindow97*>(&window))
        return [toolWindow](int code) { toolWindow->SetDock(code); };
    if (auto* toolbar = dynamic_cast<HCustomToolbar97*>(&window))
        return [toolbar](int code) { toolbar->SetDock(code); };
    return {};
}

// No bigger than the work area of the monitor the window is nearest to.
void ApplyClientSize(TCustomDockableWindow97& window, const HConfigItem& key) {
    int width = StoredSize(key, "W", window.ClientWidth());
    int height = StoredSize(key, "H", window.ClientHeight());
    const TRect area = SystemDockWindowing().WorkAreaNearest(window.ScreenBounds());
    if (area.Right > area.Left && area.Bottom > area.Top) {
        width = std::min(width, area.Right - area.Left);
        height = std::min(height, area.Bottom - area.Top);
    }
    window.SetClientWidth(width);
    window.SetClientHeight(height);
}
}  // namespace

void SaveToolwindow(TCustomDockableWindow97* window, HConfigItem* key, int dockCode) {
    if (!window || !key) return;
    const TPoint floating = window->GetFloatingPosition();
    key->Write("Visible", window->GetVisible());
    key->Write("Float", window->Floating());
    key->Write("Dock", dockCode);
    key->Write("X", floating.X);
    key->Write("Y", floating.Y);
    key->Write("W", window->ClientWidth());
    key->Write("H", window->ClientHeight());
    key->Write("DockPos", window->GetDockPos());
    key->Write("DockRow", window->GetDockRow());
}

void LoadToolwindow(TCustomDockableWindow97* window, HConfigItem* key, HDockFunction dock) {
    if (!window || !key) return;
    const bool visible = key->Read("Visible", true);
    if (key->Read("Float", true)) {
        window->SetDockedTo(nullptr);
        window->SetFloatingPosition({key->Read("X", window->GetLeft()), key->Read("Y", window->GetTop())});
        ApplyClientSize(*window, *key);
    } else {
        const TPoint floating{key->Read("X", 0), key->Read("Y", 0)};
        ApplyClientSize(*window, *key);
        window->SetDockPos(StoredIndex(*key, "DockPos"));
        window->SetDockRow(StoredIndex(*key, "DockRow"));
        if (!dock) dock = OwnDockFunction(*window);
        if (dock) dock(key->Read("Dock", 0));
        // Set after docking: a window no dock took stays where it was.
        if (!window->Floating()) window->SetFloatingPosition(floating);
    }
    window->KeepOnScreen();
    window->SetVisible(visible);
}
