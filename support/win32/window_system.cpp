#include "window_system.h"

#include <map>

#include "control_painter.h"
#include "edit_peer.h"
#include "label_painter.h"
#include "scrolling_peer.h"

namespace {
std::map<TClass, TWindowPeerFactory>& PeerMakers() {
    static std::map<TClass, TWindowPeerFactory> makers;
    return makers;
}

const TWindowPeerFactory* FindPeerMaker(const TWinControl& control) {
    for (TClass cls = control.ClassType(); cls; cls = cls->ClassParent()) {
        const auto found = PeerMakers().find(cls);
        if (found != PeerMakers().end() && found->second) return &found->second;
    }
    return nullptr;
}
}  // namespace

void RegisterWindowPeerMaker(const TMetaClass& cls, TWindowPeerFactory maker) { PeerMakers()[&cls] = std::move(maker); }

void InstallWin32WindowSystem() {
    static bool installed = false;
    if (installed) return;
    RegisterControlPainter(TLabel::StaticClass(), &PaintLabel);
    SetWindowPeerFactory(&MakeWin32WindowPeer);
    installed = true;
}

std::unique_ptr<TWindowPeer> MakeWin32WindowPeer(TWinControl& control) {
    if (const TWindowPeerFactory* maker = FindPeerMaker(control)) return (*maker)(control);
    if (dynamic_cast<TEdit*>(&control)) return MakeWindowPeer<TEditPeer>(control);
    if (dynamic_cast<TScrollingWinControl*>(&control)) return MakeWindowPeer<TScrollingPeer>(control);
    return MakeWindowPeer<TContainerPeer>(control);
}
