#pragma once
// The list-file format: one entry per line, in the ANSI code page.

#include <string>
#include <vector>

namespace tesvar {

struct ParsedList {
    std::vector<std::string> entries;
    bool truncated = false;  // more lines followed the last entry the limit allowed
};

// Reads list-file bytes. A line ends at LF or CR LF; a lone CR is dropped; 0x1A at the start
// of a line ends the file and inside a line ends the entry (the rest of the line is skipped);
// the last line needs no line end. At most maxEntries lines are read; the limit is checked
// before each line, so a further line (an empty one included) sets `truncated`.
ParsedList parseListFile(const std::string& bytes, size_t maxEntries);

// Every entry followed by CR LF; an empty list gives no bytes.
std::string formatListFile(const std::vector<std::string>& entries);

}  // namespace tesvar
