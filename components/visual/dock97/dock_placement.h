// The stored placement of one dockable window: its own storage link, whose load and save
// apply and record the placement, and the four docks that stored dock codes name.
#pragma once
#include <memory>

#include "components/config/storage_link.h"
#include "dockable_window97.h"

// Dock codes as stored: 0 top, 1 bottom (also any place that is not one of the others),
// 2 left, 3 right.
enum HDockCode { hdcTop = 0, hdcBottom = 1, hdcLeft = 2, hdcRight = 3 };

class HDockPlacement {
public:
    explicit HDockPlacement(TCustomDockableWindow97& window);
    ~HDockPlacement();
    HDockPlacement(const HDockPlacement&) = delete;
    HDockPlacement& operator=(const HDockPlacement&) = delete;

    HStorageLink* Storage() const { return storage_.get(); }
    TDock97* Dock(HDockCode code) const { return docks_[code]; }
    // The window hears when the dock goes away, which forgets it.
    void SetDock(HDockCode code, TDock97* dock);
    bool Loading() const { return loading_; }

    // The link first, so that a storage going away detaches it; then the docks.
    void Notification(TComponent* component, TOperation operation);
    // Records the placement in the link's key, unless one is being applied.
    void idSetToCfg(TObject* sender);
    // Applies the placement stored in the link's key.
    void idCfgToSet(TObject* sender);
    int DockCode() const;
    // Docks the window on the dock the code names; nothing when that dock is not set.
    void DockByCode(int code);

private:
    TCustomDockableWindow97& window_;
    bool loading_ = false;
    std::unique_ptr<HStorageLink> storage_;
    TDock97* docks_[4] = {};
};
