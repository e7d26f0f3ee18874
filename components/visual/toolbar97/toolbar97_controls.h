// Makes the "97" controls work on Windows: the flat button's painting and mouse input, the
// font box's window, and the standard dialog controls they sit among. Calling it again does nothing.
#pragma once

void InstallToolbar97Controls();
