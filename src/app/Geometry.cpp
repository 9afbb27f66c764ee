#include "app/Form1.h"

namespace tesvar {

namespace {
const char kSkinFile[] = "\\皮肤\\白柳绿_Luna (Longhorn Revolution)-HOMESTEAD.skn";
}  // namespace

void TForm1::cuangtisuofangClick() {}

void TForm1::FormResize() {}

void TForm1::menutopClick() {}

void TForm1::N67Click() {}

// Set the file first, then switch skinning on; a missing skin file is silent and leaves
// the standard look.
void TForm1::huanpifuClick() {
    platform_.skin.setSkinFile(state.baseDir + kSkinFile);
    platform_.skin.activate();
}

}  // namespace tesvar
