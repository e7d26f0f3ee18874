// The layouts that ship with the keyboard.
#pragma once
#include <string>

// A full PC keyboard: function row, main block, navigation block, numeric pad, commands.
void WriteFullKeyboard(const std::string& fileName);
// A compact laptop keyboard: no numeric pad, arrows in the bottom row.
void WriteLaptopKeyboard(const std::string& fileName);
// A numeric pad with the commands.
void WriteNumericPad(const std::string& fileName);
