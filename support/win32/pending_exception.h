// An exception raised in a message handler cannot unwind through the system's frames that
// called the window procedure. The procedure keeps it here, and whoever called the Windows
// function that sent the message (the message loop, a peer) raises it again on return.
#pragma once

// In a catch block inside a window procedure: keeps the exception unless one is waiting already.
void KeepWindowProcException();
// Raises the exception a window procedure kept, if any, and forgets it.
void RaisePendingWindowException();
