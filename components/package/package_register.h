// Registration of the package in a component development environment: its components on
// the palette page "HTools", its property editors, and its exception dialog.
#pragma once
#include <vector>

#include "support/framework/object.h"

class HExceptionDialog;

// The package's palette classes, in registration order.
std::vector<TClass> PackagePaletteClasses();
void Register();
// The exception dialog Register made; null before.
HExceptionDialog* PackageExceptionDialog();
