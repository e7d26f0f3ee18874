// Makes docks, tool windows and toolbars work on Windows: the dockable windows' own window
// and the painting of the toolbar buttons they hold. Calling it again does nothing.
#pragma once

void InstallDock97Windowing();
