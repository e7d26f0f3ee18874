// Handing the window system's pending messages to their windows.
#pragma once

// Dispatches every message waiting for this thread's windows, then returns. An exception
// a handler raised comes out here. WM_QUIT stays queued for the main loop.
void ProcessMessages();

struct tagMSG;
// Sees each message ProcessMessages takes from the queue before it is translated and
// dispatched (menu shortcuts); returning true consumes the message. Message loops of
// programs call RunMessageFilters the same way.
using TMessageFilter = bool (*)(const tagMSG& message);
void AddMessageFilter(TMessageFilter filter);
bool RunMessageFilters(const tagMSG& message);
