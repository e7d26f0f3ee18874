// A dockable tool window that remembers its placement: its Storage link records where it is
// whenever it moves and when the storage saves, and puts it back when the storage loads.
#pragma once
#include "dock_placement.h"
#include "tool_window97.h"

class HCustomToolWindow97 : public TToolWindow97 {
    PENDREL_CLASS(HCustomToolWindow97, TToolWindow97)
public:
    explicit HCustomToolWindow97(TComponent* owner);

    HStorageLink* GetStorage() const { return placement_.Storage(); }
    // The link is the window's own: assigning another one changes nothing.
    void SetStorage(HStorageLink*) {}
    TDock97* GetLeftDock() const { return placement_.Dock(hdcLeft); }
    void SetLeftDock(TDock97* dock) { placement_.SetDock(hdcLeft, dock); }
    TDock97* GetTopDock() const { return placement_.Dock(hdcTop); }
    void SetTopDock(TDock97* dock) { placement_.SetDock(hdcTop, dock); }
    TDock97* GetRightDock() const { return placement_.Dock(hdcRight); }
    void SetRightDock(TDock97* dock) { placement_.SetDock(hdcRight, dock); }
    TDock97* GetBottomDock() const { return placement_.Dock(hdcBottom); }
    void SetBottomDock(TDock97* dock) { placement_.SetDock(hdcBottom, dock); }

    void Notification(TComponent* component, TOperation operation) override;
    // Records the placement, then moves as any tool window does.
    void DoMove() override;
    void idSetToCfg(TObject* sender) { placement_.idSetToCfg(sender); }
    void idCfgToSet(TObject* sender) { placement_.idCfgToSet(sender); }
    int DockCode() const { return placement_.DockCode(); }
    void SetDock(int code) { placement_.DockByCode(code); }

private:
    HDockPlacement placement_;
};

class HToolWindow97 : public HCustomToolWindow97 {
    PENDREL_CLASS(HToolWindow97, HCustomToolWindow97)
public:
    explicit HToolWindow97(TComponent* owner) : HCustomToolWindow97(owner) {}
};
