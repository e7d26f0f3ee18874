#include "shipped_layouts.h"

#include "keyboard_builder.h"

namespace {
// Windows virtual-key codes of the keys placed here.
enum Vk : int {
    vkBack = 8, vkTab = 9, vkReturn = 13, vkPause = 19, vkCapital = 20, vkEscape = 27, vkSpace = 32,
    vkPrior = 33, vkNext = 34, vkEnd = 35, vkHome = 36, vkLeft = 37, vkUp = 38, vkRight = 39, vkDown = 40,
    vkSnapshot = 44, vkInsert = 45, vkDelete = 46, vkLWin = 91, vkRWin = 92, vkApps = 93, vkNumpad0 = 96,
    vkMultiply = 106, vkAdd = 107, vkSubtract = 109, vkDecimal = 110, vkDivide = 111, vkF1 = 112,
    vkNumLock = 144, vkScroll = 145, vkLShift = 160, vkRShift = 161, vkLControl = 162, vkRControl = 163,
    vkLMenu = 164, vkRMenu = 165, vkOem1 = 186, vkOemPlus = 187, vkOemComma = 188, vkOemMinus = 189,
    vkOemPeriod = 190, vkOem2 = 191, vkOem3 = 192, vkOem4 = 219, vkOem5 = 220, vkOem6 = 221, vkOem7 = 222,
};

void CharRow(KeyboardBuilder& b, const char* labels, const int* codes, int count) {
    for (int i = 0; i < count; ++i) b.Char(std::string(1, labels[i]), codes[i]);
}

void DigitRow(KeyboardBuilder& b) {
    b.Char("`", vkOem3);
    for (int d = 1; d <= 10; ++d) b.Char(std::to_string(d % 10), '0' + d % 10);
    b.Char("-", vkOemMinus);
    b.Char("=", vkOemPlus);
    b.Fixed("Backspace", vkBack, 2).SetRepeating(true);
}

void LetterRows(KeyboardBuilder& b, double top) {
    static const int row1[] = {'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', vkOem4, vkOem6};
    static const int row2[] = {'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'L', vkOem1, vkOem7};
    static const int row3[] = {'Z', 'X', 'C', 'V', 'B', 'N', 'M', vkOemComma, vkOemPeriod, vkOem2};
    b.At(0, top).Fixed("Tab", vkTab, 1.5);
    CharRow(b, "QWERTYUIOP[]", row1, 12);
    b.Char("\\", vkOem5, 1.5);
    b.At(0, top + 1).Modifier("Caps Lock", vkCapital, 1.75);
    CharRow(b, "ASDFGHJKL;'", row2, 11);
    b.Fixed("Enter", vkReturn, 2.25);
    b.At(0, top + 2).Modifier("Shift", vkLShift, 2.25);
    CharRow(b, "ZXCVBNM,./", row3, 10);
    b.Modifier("Shift", vkRShift, 2.75);
}

void FunctionRow(KeyboardBuilder& b, double gapAfterEsc, double gapBetweenGroups) {
    b.At(0, 0).Fixed("Esc", vkEscape);
    b.Skip(gapAfterEsc);
    for (int f = 0; f < 12; ++f) {
        if (f > 0 && f % 4 == 0) b.Skip(gapBetweenGroups);
        b.Fixed("F" + std::to_string(f + 1), vkF1 + f);
    }
}

void Commands(KeyboardBuilder& b) {
    b.Command("Hide", ocMinimize, "Hide the keyboard");
    b.Command("Setup", ocConfigure, "Settings");
    b.Command("Menu", osSysMenu, "The keyboard's menu");
    b.Command("Lang", ocLayoutChange, "Next keyboard layout of the window you type in");
    b.Command("Close", ocClose, "Close the keyboard");
}

void NumericPad(KeyboardBuilder& b, double left, double top) {
    b.At(left, top).Modifier("Num", vkNumLock);
    b.Fixed("/", vkDivide);
    b.Fixed("*", vkMultiply);
    b.Fixed("-", vkSubtract);
    static const int rows[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
    for (int r = 0; r < 3; ++r) {
        b.At(left, top + 1 + r);
        for (int digit : rows[r]) b.Fixed(std::to_string(digit), vkNumpad0 + digit);
    }
    b.At(left + 3, top + 1).Fixed("+", vkAdd, 1, 2);
    b.At(left + 3, top + 3).Fixed("Enter", vkReturn, 1, 2);
    b.At(left, top + 4).Fixed("0", vkNumpad0, 2);
    b.Fixed(".", vkDecimal);
}
}  // namespace

void WriteFullKeyboard(const std::string& fileName) {
    KeyboardBuilder b("design");
    FunctionRow(b, 1, 0.5);
    b.Skip(0.5).Fixed("PrtSc", vkSnapshot);
    b.Modifier("ScrLk", vkScroll);
    b.Fixed("Pause", vkPause);
    b.Skip(0.5);
    Commands(b);

    constexpr double top = 1.25, nav = 15.5, pad = 19;
    b.At(0, top);
    DigitRow(b);
    b.At(nav, top).Fixed("Ins", vkInsert);
    b.Fixed("Home", vkHome);
    b.Fixed("PgUp", vkPrior);
    LetterRows(b, top + 1);
    b.At(nav, top + 1).Fixed("Del", vkDelete);
    b.Fixed("End", vkEnd);
    b.Fixed("PgDn", vkNext);
    b.At(nav + 1, top + 3).Fixed("Up", vkUp).SetRepeating(true);

    b.At(0, top + 4).Modifier("Ctrl", vkLControl, 1.25);
    b.Modifier("Win", vkLWin, 1.25);
    b.Modifier("Alt", vkLMenu, 1.25);
    b.Fixed("", vkSpace, 6.25).SetRepeating(true);
    b.Modifier("Alt", vkRMenu, 1.25);
    b.Modifier("Win", vkRWin, 1.25);
    b.Fixed("Apps", vkApps, 1.25);
    b.Modifier("Ctrl", vkRControl, 1.25);
    b.At(nav, top + 4).Fixed("Left", vkLeft).SetRepeating(true);
    b.Fixed("Down", vkDown).SetRepeating(true);
    b.Fixed("Right", vkRight).SetRepeating(true);

    NumericPad(b, pad, top);
    b.Save(fileName);
}

void WriteLaptopKeyboard(const std::string& fileName) {
    KeyboardBuilder b("design");
    FunctionRow(b, 0, 0);
    b.Fixed("Del", vkDelete);
    b.At(0, 1);
    DigitRow(b);
    LetterRows(b, 2);
    b.At(0, 5).Modifier("Ctrl", vkLControl, 1.25);
    b.Modifier("Win", vkLWin, 1.25);
    b.Modifier("Alt", vkLMenu, 1.25);
    b.Fixed("", vkSpace, 5).SetRepeating(true);
    b.Modifier("Alt", vkRMenu, 1.25);
    b.Modifier("Ctrl", vkRControl, 1.25);
    b.Fixed("Left", vkLeft).SetRepeating(true);
    b.Fixed("Up", vkUp).SetRepeating(true);
    b.Fixed("Down", vkDown).SetRepeating(true);
    b.Fixed("Right", vkRight).SetRepeating(true);
    b.At(0, 6);
    Commands(b);
    b.Fixed("Home", vkHome);
    b.Fixed("End", vkEnd);
    b.Fixed("PgUp", vkPrior);
    b.Fixed("PgDn", vkNext);
    b.Modifier("Num", vkNumLock);
    b.Modifier("ScrLk", vkScroll);
    b.Fixed("Ins", vkInsert);
    b.Fixed("PrtSc", vkSnapshot);
    b.Save(fileName);
}

void WriteNumericPad(const std::string& fileName) {
    KeyboardBuilder b("design");
    b.At(0, 0).Fixed("Esc", vkEscape);
    b.Fixed("Tab", vkTab);
    b.Fixed("Bksp", vkBack).SetRepeating(true);
    b.Command("Hide", ocMinimize, "Hide the keyboard");
    NumericPad(b, 0, 1);
    b.At(0, 6).Command("Setup", ocConfigure, "Settings");
    b.Command("Menu", osSysMenu, "The keyboard's menu");
    b.Command("Lang", ocLayoutChange, "Next keyboard layout of the window you type in");
    b.Command("Close", ocClose, "Close the keyboard");
    b.Save(fileName);
}
