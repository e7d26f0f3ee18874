// A dockable tool window: holds any controls, at the client size it is given.
#pragma once
#include "dockable_window97.h"

class TToolWindow97 : public TCustomDockableWindow97 {
    PENDREL_CLASS(TToolWindow97, TCustomDockableWindow97)
public:
    explicit TToolWindow97(TComponent* owner) : TCustomDockableWindow97(owner) {}
};
