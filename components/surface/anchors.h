// Sides of a control: which frame edges of a design panel may be dragged.
#pragma once
#include "support/framework/set.h"

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
PENDREL_ENUM_TYPEINFO(TAnchorKind, "akLeft", "akTop", "akRight", "akBottom");
using TAnchors = TSet<TAnchorKind>;
