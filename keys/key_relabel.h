// Relabelling every key on a surface from a keyboard state and layout, as the keyboard and the
// designer's test mode do at each state change.
#pragma once
#include <cstdint>

class TWinControl;

// The keys ask for one repaint together: each repaint asked for is a round trip to the
// window system.
void RelabelKeys(TWinControl& surface, uint8_t* state, void* layout);
