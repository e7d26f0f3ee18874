// Whether a layout file holds a layout the components can load.
#pragma once
#include <string>

class TMemoryStream;

// Registers the classes a layout may contain; call before CheckLayout. Harmless to repeat.
void RegisterLayoutClasses();

// Raises the first problem found: a parse error with its line, an inconsistent binary form,
// a text form that does not convert back to itself, an unknown class or property.
void CheckLayout(TMemoryStream& content);
