// Questions to the user in message boxes, each with an optional memory of "don't ask me
// again". The caller keeps the memory (for example in its settings).
#pragma once
#include <windows.h>

#include <string>

#include "support/lib/printf_format.h"

// The window a question with a null owner is shown over: the program's main form once the
// program names it; until then the thread's active window.
void SetQuestionMainWindow(HWND window);
HWND QuestionMainWindow();

// An error message with OK. With show given: nothing is shown while *show is false, and
// ticking "Don't tell me again" makes it false.
void AskMessage(HWND owner, const std::string& text, bool* show = nullptr);
void AskMessage(HWND owner, bool* show, const char* format, ...) PENDREL_PRINTF(3, 4);

// Yes or No; true for Yes. With ask given: while *ask is false, true is returned without
// asking; Yes with the box ticked makes it false.
bool AskYesNo(HWND owner, const std::string& text, bool* ask = nullptr);
bool AskYesNo(HWND owner, bool* ask, const char* format, ...) PENDREL_PRINTF(3, 4);

// Yes (6), No (7) or Cancel (2). With answer given: a remembered 6 or 7 is returned without
// asking; Yes or No with the box ticked is remembered.
int AskYesNoCancel(HWND owner, const std::string& text, int* answer = nullptr);
int AskYesNoCancel(HWND owner, int* answer, const char* format, ...) PENDREL_PRINTF(3, 4);
