// The text form of a configuration tree, as kept in *.hcfg files.
//
// Plain text a person can read and edit; every value states its kind. Lines end in "\n" ("\r\n"
// is accepted; a leading UTF-8 byte order mark is skipped). A line is one of:
//
//   # comment            (also ';'; only on a line of its own; blank lines are ignored)
//   [Forms/Item0]        a section: the values below belong to that key, a path from the root
//                        of names separated by '/'; "[]" is the root, where the file starts.
//   kind name = value    a value of the current key.
//
// Names are bare when they consist of letters, digits and "_.+-%" only, otherwise quoted:
//   string "Designer/GridWidth" = "x"     int "" = 0     ["IDE"/"a b"]
// Quoted text escapes '\\' and '"' with a backslash, line feed, carriage return and tab as
// \n \r \t, and other bytes below 0x20 and 0x7F as \xHH. Other bytes, UTF-8 included, are kept
// as they are. Every key of the tree has its section, so empty keys survive a save and a load.
//
// Kinds and values:
//   bool    true | false            int     -2147483648 .. 2147483647
//   int64   decimal, 64-bit         double  shortest exact decimal form; nan, inf, -inf
//   color   0x8000000F (hexadecimal, up to 8 digits)
//   string  "quoted text"
//
// Example:
//   bool OnTaskbar = true
//   string LastUsedForm = "C:\\Layouts\\main.osk"
//
//   [Forms]
//   int Index = 1
//
//   [Forms/Item0]
//   string Name = "C__Layouts_main.osk"
//   int Left = 120
#pragma once
#include <string>
#include <string_view>

#include "support/lib/config/config_item.h"

// Keys nested deeper than this are refused both ways, so reading never recurses without bound.
inline constexpr int kMaxConfigDepth = 64;

// The whole tree below root as text. Raises EWriteError when the tree is nested too deep.
std::string HConfigToText(const HConfigItem& root);
// Fills root (expected empty) from text. Raises EParserError "Line N: <reason>" on any fault;
// root may then hold part of the text.
void HConfigFromText(std::string_view text, HConfigItem& root);
