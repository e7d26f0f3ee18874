#include "xp_menu.h"

// Menus have no system side here: nothing is drawn.
void AttachXPMenuPainter(TXPMenu&, TMenu&) {}
void DetachXPMenuPainter(TMenu&) {}
