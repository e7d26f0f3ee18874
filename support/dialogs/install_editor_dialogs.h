// Lets property editors open the system's colour and font dialogs.
#pragma once

// The colour dialog keeps the user's custom colours from one edit to the next.
void InstallEditorDialogs();
