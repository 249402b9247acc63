// The five program-wide texts that a job overwrites for every file.
//
// Owned by the program for its whole run, not by a job: after a job they hold
// the values of its last file and the next job starts from them.
#pragma once

#include <string>

namespace vorlith {

struct RunTexts {
    std::string ExtensionText;   // the extension searched for, without a dot
    std::string TargetFileName;  // the new name of the current file
    std::string FolderLevel1;    // "2014年/" and the like; never empty once set
    std::string FolderLevel2;    // second level, or empty
    std::string FolderLevel3;    // third level, or empty
};

// Releases all five texts; run once when the program ends.
void ReleaseRunTexts(RunTexts& texts);

}  // namespace vorlith
