#include "dock97.h"

#include <algorithm>
#include <map>

#include "dockable_window97.h"

PENDREL_IMPLEMENT_CLASS(TDock97)

void TDock97::DeclareProperties(TClassBuilder<TDock97>& c) {
    c.Property("Position", &TDock97::GetPosition, &TDock97::SetPosition).Default(dpTop);
    c.Property("Color", &TDock97::GetColor, &TDock97::SetColor).Type(ColorTypeInfo()).Stored(&TDock97::IsColorStored);
    c.Property("Visible", &TDock97::GetVisible, &TDock97::SetVisible).Default(true);
}

namespace {
TAlign AlignOf(TDockPosition position) {
    static const TAlign aligns[] = {alTop, alBottom, alLeft, alRight};
    return aligns[position];
}
}  // namespace

TDock97::TDock97(TComponent* owner) : TWinControl(owner) {
    SetColor(clBtnFace);
    SetAlign(alTop);
    SetBounds(0, 0, 0, 0);
}

void TDock97::SetPosition(TDockPosition value) {
    if (value == position_) return;
    // The grip goes to another edge: the windows keep their client size in a new frame.
    std::vector<std::pair<TCustomDockableWindow97*, TPoint>> clientSizes;
    for (TCustomDockableWindow97* window : DockedWindows())
        clientSizes.push_back({window, {window->ClientWidth(), window->ClientHeight()}});
    position_ = value;
    SetAlign(AlignOf(value));
    for (auto& [window, size] : clientSizes) {
        if (window->HandleAllocated()) {
            window->DestroyHandle();
            window->HandleNeeded();
        }
        window->SetClientWidth(size.X);
        window->SetClientHeight(size.Y);
        window->DockStateChanged();
    }
    ArrangeWindows();
    PropertyChanged("Position");
}

std::vector<TCustomDockableWindow97*> TDock97::DockedWindows() const {
    std::vector<TCustomDockableWindow97*> windows;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* window = dynamic_cast<TCustomDockableWindow97*>(Controls(i))) windows.push_back(window);
    return windows;
}

std::vector<std::vector<TCustomDockableWindow97*>> TDock97::Rows() const {
    std::map<int, std::vector<TCustomDockableWindow97*>> byRow;
    for (TCustomDockableWindow97* window : DockedWindows())
        if (window->GetVisible()) byRow[window->GetDockRow()].push_back(window);
    std::vector<std::vector<TCustomDockableWindow97*>> rows;
    for (auto& [row, windows] : byRow) {
        std::stable_sort(windows.begin(), windows.end(),
                         [](auto* a, auto* b) { return a->GetDockPos() < b->GetDockPos(); });
        rows.push_back(std::move(windows));
    }
    return rows;
}

int TDock97::RowCount() const { return static_cast<int>(Rows().size()); }

void TDock97::ArrangeWindows() {
    if (arranging_) return;
    arranging_ = true;
    int across = 0;
    const auto rows = Rows();
    for (size_t row = 0; row < rows.size(); ++row) {
        int along = 0, thickness = 0;
        for (TCustomDockableWindow97* window : rows[row]) {
            const int pos = std::max(window->GetDockPos(), along);
            window->TakeDockPlace(static_cast<int>(row), pos);
            if (Horizontal())
                window->SetBounds(pos, across, window->GetWidth(), window->GetHeight());
            else
                window->SetBounds(across, pos, window->GetWidth(), window->GetHeight());
            along = pos + Length(*window);
            thickness = std::max(thickness, Thickness(*window));
        }
        across += thickness;
    }
    SetThickness(across);
    arranging_ = false;
}

void TDock97::SetThickness(int thickness) {
    if (Horizontal())
        SetBounds(GetLeft(), GetTop(), GetWidth(), thickness);
    else
        SetBounds(GetLeft(), GetTop(), thickness, GetHeight());
}

TDockSlot TDock97::SlotAt(TPoint point, int alongOffset) const {
    const int across = Horizontal() ? point.Y : point.X;
    const int along = Horizontal() ? point.X : point.Y;
    TDockSlot slot{0, std::max(0, along - alongOffset)};
    const auto rows = Rows();
    if (across < 0) {
        slot.Row = -1;
        return slot;
    }
    int rowEnd = 0;
    for (size_t row = 0; row < rows.size(); ++row) {
        int thickness = 0;
        for (TCustomDockableWindow97* window : rows[row]) thickness = std::max(thickness, Thickness(*window));
        rowEnd += thickness;
        if (across < rowEnd) {
            slot.Row = static_cast<int>(row);
            return slot;
        }
    }
    slot.Row = static_cast<int>(rows.size());
    return slot;
}

std::vector<TDock97*> TDock97::DocksIn(const TWinControl& root) {
    std::vector<TDock97*> docks;
    for (int i = 0; i < root.ControlCount(); ++i) {
        TControl* child = root.Controls(i);
        if (auto* dock = dynamic_cast<TDock97*>(child)) docks.push_back(dock);
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
            if (dynamic_cast<TCustomDockableWindow97*>(windowed)) continue;
            for (TDock97* inner : DocksIn(*windowed)) docks.push_back(inner);
        }
    }
    return docks;
}

void TDock97::AlignControls(TRect& area) {
    TWinControl::AlignControls(area);
    ArrangeWindows();
}
