// The list-file reader on any bytes: it never fails, and what it reads writes back and reads
// again as the same entries.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "folderlist/ListFileFormat.h"

using tesvar::formatListFile;
using tesvar::ParsedList;
using tesvar::parseListFile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const ParsedList all = parseListFile(bytes, std::numeric_limits<size_t>::max());
    FUZZ_CHECK(!all.truncated);

    // An entry is a line without its line end: it holds no line end, no CR (a lone CR is
    // dropped) and no end-of-file mark; the entries and their line ends come from the bytes.
    size_t textBytes = 0;
    for (const std::string& entry : all.entries) {
        FUZZ_CHECK(entry.find_first_of(std::string("\r\n\x1A", 3)) == std::string::npos);
        textBytes += entry.size();
    }
    FUZZ_CHECK(textBytes <= size);
    FUZZ_CHECK(all.entries.size() <= size);

    // Written and read again: the same entries, and writing those gives the same bytes.
    const std::string written = formatListFile(all.entries);
    FUZZ_CHECK(written.size() == textBytes + 2 * all.entries.size());
    const ParsedList again = parseListFile(written, std::numeric_limits<size_t>::max());
    FUZZ_CHECK(again.entries == all.entries);
    FUZZ_CHECK(formatListFile(again.entries) == written);

    // With a limit, the reader keeps the first entries and says whether a further line came.
    for (size_t limit : {size_t{0}, size_t{1}, size_t{3}, size_t{3000}, size % 17}) {
        const ParsedList cut = parseListFile(bytes, limit);
        const size_t kept = all.entries.size() < limit ? all.entries.size() : limit;
        FUZZ_CHECK(cut.entries.size() == kept);
        FUZZ_CHECK(std::equal(cut.entries.begin(), cut.entries.end(), all.entries.begin()));
        FUZZ_CHECK(cut.truncated == (all.entries.size() > limit));
    }
    return 0;
}
