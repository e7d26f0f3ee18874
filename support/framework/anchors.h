// Sides of a control: the edges a control keeps its distance to, the frame edges of a design
// panel that may be dragged.
#pragma once
#include "set.h"

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
PENDREL_ENUM_TYPEINFO(TAnchorKind, "akLeft", "akTop", "akRight", "akBottom");
using TAnchors = TSet<TAnchorKind>;

inline const TAnchors kDefaultAnchors{akLeft, akTop};
