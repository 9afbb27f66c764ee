#pragma once
// The settings file "set": four lines in the ANSI code page, each ended by CR LF — the
// show-in-tray flag, the list font's size in points, its name and its colour, the numbers
// in signed decimal.

#include <string>

namespace tesvar {

struct SettingsValues {
    int showInTray = 0;
    int fontSize = 0;
    std::string fontName;
    int fontColor = 0;
};

// The four lines exactly as the program writes them.
std::string formatSettings(const SettingsValues& values);

// Converts a whole text to a 32-bit integer: leading blanks, an optional sign, then decimal
// digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X"; nothing may follow. A
// decimal value must fit the signed range; a hexadecimal one may use all 32 bits (so
// "$FF000008" is -16777208). False, with value untouched, when the text is no such number.
bool parseSettingsInteger(const std::string& text, int& value);

// What the reader got out of the bytes, as far as it came.
struct ParsedSettings {
    bool firstLineRead = false;  // line 1 was an integer: values.showInTray holds it
    bool complete = false;       // the size and the colour could be read as well
    SettingsValues values;       // the font values count only when complete
};

// Line 1 is taken whole. The size and the colour are each the first word after any blanks,
// tabs and line ends (a blank line is skipped, shifting what follows), the rest of its line
// ignored, 0 at the end of the file; the name is the next whole line, empty at the end.
// Lines end as in every text file the program reads (LF or CR LF; 0x1A ends the file).
ParsedSettings parseSettings(const std::string& bytes);

}  // namespace tesvar
