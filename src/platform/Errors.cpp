#include "platform/Errors.h"

#include <cstdio>

namespace tesvar {

std::string FileError::textFor(int code) {
    switch (code) {
        case 2:
            return "File not found";
        case 3:
            return "Invalid filename";
        case 4:
            return "Too many open files";
        case 5:
            return "File access denied";
        case 100:
            return "Read beyond end of file";
        case 101:
            return "Disk full";
        default: {
            char text[32];
            std::snprintf(text, sizeof text, "I/O error %d", code);
            return text;
        }
    }
}

FileError::FileError(int code, bool opened) : std::runtime_error(textFor(code)), code_(code), opened_(opened) {}

static std::string listIndexText(int index) {
    char text[48];
    std::snprintf(text, sizeof text, "List index out of bounds (%d)", index);
    return text;
}

ListIndexError::ListIndexError(int index) : std::runtime_error(listIndexText(index)) {}

}  // namespace tesvar
