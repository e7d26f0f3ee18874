// The classes a layout may contain, with the descriptions the designer's palette shows.
#pragma once
#include "support/framework/object.h"

struct TPaletteEntry {
    TClass Class;             // null past the last row
    const char* Description;  // short name, line feed, explanation; "" past the last row
};

TPaletteEntry PaletteTable(int row);
// Registers every class of the table by name, so that layouts can name them; the count (6).
int RegisterOSKClasses();
// The classes of whole layouts: the table's and the containers' (HDesignPanel, and the
// framework's TScrollBox that plain samples use), for the tools that read layouts as files.
void RegisterLayoutClasses();
