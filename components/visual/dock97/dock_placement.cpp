#include "dock_placement.h"

#include <algorithm>
#include <iterator>

#include "toolwindow_storage.h"

HDockPlacement::HDockPlacement(TCustomDockableWindow97& window)
    : window_(window), storage_(std::make_unique<HStorageLink>()) {
    storage_->OnSave = [this](TObject* sender) { idSetToCfg(sender); };
    storage_->OnLoad = [this](TObject* sender) { idCfgToSet(sender); };
}

HDockPlacement::~HDockPlacement() {
    for (TDock97* dock : docks_)
        if (dock) window_.RemoveFreeNotification(dock);
}

void HDockPlacement::SetDock(HDockCode code, TDock97* dock) {
    TDock97* old = docks_[code];
    if (old == dock) return;
    docks_[code] = dock;
    if (dock) window_.FreeNotification(dock);
    if (old && std::find(std::begin(docks_), std::end(docks_), old) == std::end(docks_))
        window_.RemoveFreeNotification(old);
}

void HDockPlacement::Notification(TComponent* component, TOperation operation) {
    storage_->Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    for (TDock97*& dock : docks_)
        if (dock == component) dock = nullptr;
}

void HDockPlacement::idSetToCfg(TObject*) {
    if (loading_) return;
    if (HConfigItem* key = storage_->GetKey()) SaveToolwindow(&window_, key, DockCode());
}

void HDockPlacement::idCfgToSet(TObject*) {
    if (loading_) return;
    HConfigItem* key = storage_->GetKey();
    if (!key) return;
    loading_ = true;
    try {
        LoadToolwindow(&window_, key, [this](int code) { DockByCode(code); });
    } catch (...) {
        loading_ = false;
        throw;
    }
    loading_ = false;
}

int HDockPlacement::DockCode() const {
    const TDock97* dock = window_.GetDockedTo();
    if (dock && dock == docks_[hdcTop]) return hdcTop;
    if (dock && dock == docks_[hdcLeft]) return hdcLeft;
    if (dock && dock == docks_[hdcRight]) return hdcRight;
    return hdcBottom;
}

void HDockPlacement::DockByCode(int code) {
    if (code < hdcTop || code > hdcRight || !docks_[code]) return;
    window_.SetDockedTo(docks_[code]);
}
