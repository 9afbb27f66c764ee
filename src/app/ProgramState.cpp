#include "app/ProgramState.h"

namespace tesvar {

std::vector<StateField> describeState(const ProgramState& s) {
    auto text = [](const char* name, const std::string& v) { return StateField{name, true, v, 0}; };
    auto number = [](const char* name, int v) { return StateField{name, false, std::string(), v}; };
    return {
        text("baseDir", s.baseDir),
        text("soundDir", s.soundDir),
        text("sampleDir", s.sampleDir),
        text("sampleXpFile", s.sampleXpFile),
        text("sampleVistaFile", s.sampleVistaFile),
        text("sample7File", s.sample7File),
        text("settingsFile", s.settingsFile),
        text("shortcutDir", s.shortcutDir),
        text("currentListFile", s.currentListFile),
        text("savedListFile", s.savedListFile),
        text("saveTargetFile", s.saveTargetFile),
        text("lastBrowseDir", s.lastBrowseDir),
        text("pendingEntry", s.pendingEntry),
        text("hintText", s.hintText),
        text("listFontName", s.listFontName),
        number("listFontSize", s.listFontSize),
        number("listFontColor", s.listFontColor),
        number("trayLastMenuIndex", s.trayLastMenuIndex),
        number("trayFirstIndex", s.trayFirstIndex),
        number("maxListEntries", s.maxListEntries),
        number("maxCaptionLength", s.maxCaptionLength),
        number("showInTray", s.showInTray),
        number("startupInProgress", s.startupInProgress),
        number("startupScaling", s.startupScaling),
        number("closing", s.closing),
        text("osVersionName", s.osVersionName),
        text("myDocumentsPath", s.myDocumentsPath),
        text("favoritesPath", s.favoritesPath),
        text("startMenuPath", s.startMenuPath),
        text("commonStartMenuPath", s.commonStartMenuPath),
        text("sendToPath", s.sendToPath),
        number("rightMargin", s.rightMargin),
        number("bottomMargin", s.bottomMargin),
        number("rangeAnchor", s.rangeAnchor),
        number("shiftHeld", s.shiftHeld),
        number("dragStartIndex", s.dragStartIndex),
        number("explorerWindowFound", s.explorerWindowFound),
    };
}

}  // namespace tesvar
