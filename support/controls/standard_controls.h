// Gives the standard dialog controls and modal forms their windows. Programs and tests call it
// once after InstallWin32WindowSystem() (it calls that too); calling it again does nothing.
#pragma once

void InstallStandardControls();
