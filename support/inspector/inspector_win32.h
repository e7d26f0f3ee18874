// Gives the object inspector and its description pane their windows and painters, and shows
// the values the inspector's editors refuse in a message box. Programs and tests call it
// once after InstallStandardControls(); calling it again does nothing.
#pragma once

void InstallInspectorControls();
