#include "inspector_win32.h"

#include "inspector_classes.h"
#include "inspector_peers_win32.h"
#include "object_inspector.h"
#include "property_help_win32.h"
#include "support/dialogs/questions.h"
#include "support/win32/control_painter.h"
#include "support/win32/window_system.h"

namespace {
void ShowInspectorError(TInspectorGrid& grid, const std::string& message) {
    const HWND wnd = grid.HandleAllocated() ? static_cast<HWND>(grid.Handle()) : nullptr;
    AskMessage(wnd ? GetAncestor(wnd, GA_ROOT) : nullptr, message);
}
}  // namespace

void InstallInspectorControls() {
    static bool installed = false;
    if (installed) return;
    InstallWin32WindowSystem();
    RegisterWindowPeerMaker(TInspectorGrid::StaticClass(), MakeWindowPeer<TInspectorGridPeer>);
    RegisterWindowPeerMaker(TInspectorEdit::StaticClass(), MakeWindowPeer<TInspectorEditPeer>);
    RegisterWindowPeerMaker(TInspectorList::StaticClass(), MakeWindowPeer<TInspectorListPeer>);
    RegisterControlPainter(TPropertyHelp::StaticClass(), &PaintPropertyHelp);
    RegisterInspectorClasses();
    SetInspectorErrorReporter(&ShowInspectorError);
    installed = true;
}
