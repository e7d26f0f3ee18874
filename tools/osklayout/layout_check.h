// Whether a layout file holds a layout the components can load.
#pragma once
#include <string>

class TMemoryStream;

// Raises the first problem found: a parse error with its line, an inconsistent binary form,
// a text form that does not convert back to itself, an unknown class or property. The
// layout classes (RegisterLayoutClasses) must be registered first.
void CheckLayout(TMemoryStream& content);
