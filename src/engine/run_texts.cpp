#include "run_texts.h"

namespace vorlith {

void ReleaseRunTexts(RunTexts& texts) {
    for (std::string* text : {&texts.ExtensionText, &texts.TargetFileName, &texts.FolderLevel1,
                              &texts.FolderLevel2, &texts.FolderLevel3}) {
        std::string().swap(*text);
    }
}

}  // namespace vorlith
