// The component palette: the classes a designer offers for insertion, on named pages.
#pragma once
#include <string>
#include <vector>

#include "support/framework/object.h"

// Registers the classes for streaming and appends them to the page in the order given; a
// class already on the page keeps its place.
void RegisterComponents(const std::string& page, const std::vector<TClass>& classes);
// Pages in the order of their first registration.
std::vector<std::string> PalettePages();
// The classes of a page (case-insensitive name); none for an unknown page.
std::vector<TClass> PaletteClasses(const std::string& page);
