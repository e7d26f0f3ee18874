// A key pressed in a control or, with key preview, in any control of a form: the handler may
// set the key to 0 so that nothing else acts on it.
#pragma once
#include <cstdint>

#include "support/framework/event.h"
#include "support/framework/shortcut.h"

class TObject;

using TKeyEvent = TEvent<TObject*, uint16_t&, TShiftState>;
