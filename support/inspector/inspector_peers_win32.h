// The windows of the inspector's parts: the rows with their scroll bar and keys, the
// in-place edit that lets the rows see its keys first, and the value list.
#pragma once
#include "inspector_grid.h"
#include "inspector_list.h"
#include "support/win32/container_peer.h"
#include "support/win32/edit_peer.h"

class TInspectorGridPeer : public TContainerPeer {
public:
    using TContainerPeer::TContainerPeer;

protected:
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintClient(HDC dc, const RECT& area) override;
    // Keeps the scroll bar in line with the rows.
    void Refresh() override;

private:
    TInspectorGrid& Grid() const { return static_cast<TInspectorGrid&>(Control()); }
    void Scroll(WORD request);
};

class TInspectorEditPeer : public TEditPeer {
public:
    using TEditPeer::TEditPeer;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Refresh() override;

private:
    TInspectorEdit& Edit() const { return static_cast<TInspectorEdit&>(Control()); }
};

class TInspectorListPeer : public TContainerPeer {
public:
    using TContainerPeer::TContainerPeer;

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintClient(HDC dc, const RECT& area) override;

private:
    TInspectorList& List() const { return static_cast<TInspectorList&>(Control()); }
};

// Draws the rows of the grid that touch area.
void PaintInspectorRows(TInspectorGrid& grid, HDC dc, const RECT& area);
