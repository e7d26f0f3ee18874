// The label whose caption and font the character window paints; set by the display that owns it.
#pragma once
#include "support/framework/std_controls.h"

void SetCharWindowModel(TLabel* label);
TLabel* CharWindowModel();
