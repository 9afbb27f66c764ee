#pragma once
#include <string>
#include <vector>

namespace tesvar {

// A flag as the program stores it: -1 set, 0 clear; any non-zero value counts as set.
using Flag = int;
constexpr Flag kSet = -1;
constexpr Flag kClear = 0;

// The program-wide variables. They live for the whole run and start empty or zero; the
// start-up sequence assigns them.
struct ProgramState {
    std::string baseDir;
    std::string soundDir;
    std::string sampleDir;
    std::string sampleXpFile;
    std::string sampleVistaFile;
    std::string sample7File;
    std::string settingsFile;
    std::string shortcutDir;
    std::string currentListFile;
    std::string savedListFile;
    std::string saveTargetFile;
    std::string lastBrowseDir;
    std::string pendingEntry;
    std::string hintText;
    std::string listFontName;
    int listFontSize = 0;
    int listFontColor = 0;
    int trayLastMenuIndex = 0;
    int trayFirstIndex = 0;
    int maxListEntries = 0;
    int maxCaptionLength = 0;
    Flag showInTray = kClear;
    Flag startupInProgress = kClear;
    Flag startupScaling = kClear;
    Flag closing = kClear;
    std::string osVersionName;
    std::string myDocumentsPath;
    std::string favoritesPath;
    std::string startMenuPath;
    std::string commonStartMenuPath;
    std::string sendToPath;
    int rightMargin = 0;
    int bottomMargin = 0;
    int rangeAnchor = 0;
    Flag shiftHeld = kClear;
    int dragStartIndex = 0;
    Flag explorerWindowFound = kClear;
};

// One variable by its name, for the automation port's report.
struct StateField {
    const char* name;
    bool isText;
    std::string text;
    int number;
};
std::vector<StateField> describeState(const ProgramState& state);

}  // namespace tesvar
