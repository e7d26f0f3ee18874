// Handing the window system's pending messages to their windows.
#pragma once

// Dispatches every message waiting for this thread's windows, then returns. An exception
// a handler raised comes out here. WM_QUIT stays queued for the main loop.
void ProcessMessages();
