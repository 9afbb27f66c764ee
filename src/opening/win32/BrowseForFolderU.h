#pragma once
// The shell's folder-browse dialog, started at a given folder.

#include <windows.h>

#include <string>

namespace tesvar::win32 {

// Shows the dialog with the prompt above the tree and startFolder pre-selected (when not
// empty); returns the chosen folder's file-system path, or an empty text when the user
// cancelled or chose an item that has no such path.
std::string BrowseFolderDialog(const std::string& title, const std::string& startFolder);

int CALLBACK BrowseInitCallback(HWND window, UINT message, LPARAM parameter, LPARAM data);

}  // namespace tesvar::win32
