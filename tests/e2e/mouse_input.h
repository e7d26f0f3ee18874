// Real mouse input, as a user's clicks arrive.
#pragma once
#include <windows.h>

// Moves the pointer to the screen point and presses and releases the left button there.
void ClickAt(POINT screen);
// Moves the pointer to the screen point and clicks the right button there.
void RightClickAt(POINT screen);
// Presses at from, moves to to and releases there.
void DragFromTo(POINT from, POINT to);
