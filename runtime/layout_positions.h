// Window positions remembered per layout file: a ring of 30 entries "Item0".."Item29" under
// the settings key "Forms", each with the layout's "Name" and the window's "Left" and "Top".
#pragma once
#include <optional>
#include <string>

#include "support/framework/control.h"

class HConfigItem;

// The entry name of a layout path: every '\', '/' and ':' becomes '_'.
std::string LayoutEntryName(const std::string& path);
// The entry remembering path; null when none does. Paths compare without regard to letter
// case, as Windows file names do.
HConfigItem* FindLayoutEntry(HConfigItem& forms, const std::string& path);
// The remembered position; a coordinate the entry lacks stays as in current.
std::optional<TPoint> RememberedLayoutPosition(HConfigItem& forms, const std::string& path, TPoint current);
// Writes the position into path's entry; a new entry takes the slot "Index" mod 30 points
// at, so the 31st new layout replaces the first.
void RememberLayoutPosition(HConfigItem& forms, const std::string& path, TPoint position);
