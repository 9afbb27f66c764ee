#pragma once
// The skin: colours and a font for the program's windows, read from a small text file.
//
// Skin file format (text in the ANSI code page, lines ending in CR LF or LF):
//
//   ; a comment                       lines starting with ";" are comments
//   [window]                          a section; names and keys ignore ASCII letter case
//   face = #ECE9D8                    key = value; blanks and tabs around both are dropped
//
//   section    key    value     what it colours
//   [window]   face   colour    background of the main window and its panels
//   [toolbar]  face   colour    background of the tool bar
//              text   colour    the tool buttons' captions
//              font   font      the tool buttons' captions
//   [menu]     face   colour    background of the menu bar and of every popup menu
//   [memo]     face   colour    background of the edit boxes
//              text   colour    text of the edit boxes
//   [list]     face   colour    background of the folder list (its font is the program's)
//
// A colour is "#RRGGBB" in hexadecimal; a font is "face name, height in pixels". Blank lines,
// unknown sections and keys, and values that do not read are ignored, and whatever a skin
// leaves out keeps the system's standard look.

#include <string>

namespace tesvar {

struct SkinLook {
    // Colours as Windows keeps them: 0x00BBGGRR; kNone where the skin sets nothing.
    static constexpr int kNone = -1;
    int windowFace = kNone;
    int toolBarFace = kNone;
    int toolBarText = kNone;
    std::string toolBarFontName;  // empty: the tool bar keeps its font
    int toolBarFontHeight = 0;
    int menuFace = kNone;
    int memoFace = kNone;
    int memoText = kNone;
    int listFace = kNone;
};

SkinLook parseSkin(const std::string& bytes);

// The skin component.
class Skin {
public:
    virtual ~Skin() = default;
    // Loads the skin from the file when it exists. A missing or unreadable file changes
    // nothing and reports nothing.
    virtual void setSkinFile(const std::string& path) = 0;
    // Switches skinning on for the program's windows, with the skin loaded last (with none,
    // the windows keep the standard look).
    virtual void activate() = 0;
};

}  // namespace tesvar
