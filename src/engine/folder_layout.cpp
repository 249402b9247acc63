#include "folder_layout.h"

#include <cerrno>

#include "control_names.h"
#include "date_value.h"

namespace vorlith {

namespace {

std::string Level(DateValue fileDate, int code, bool withUnits, const char* unit) {
    std::string level = IntText(DatePart(fileDate, code));
    if (withUnits) level += unit;
    level += '/';
    return level;
}

}  // namespace

void SetFolderLevels(JobContext& job, DateValue fileDate) {
    const std::string layoutControl(controls::kFolderLayout);
    auto layoutIs = [&](int index) { return job.options.ReadSelectedIndex(layoutControl) == index; };
    RunTexts& t = job.texts;
    t.FolderLevel1.clear();
    t.FolderLevel2.clear();
    t.FolderLevel3.clear();
    // Layouts 0-2 carry the units 年 月 日; 3-5 are bare numbers. 0 and 3 have
    // three levels, 1 and 4 two, 2 and 5 one.
    for (int index = 0; index < 6; ++index) {
        if (!layoutIs(index)) continue;
        const bool units = index < 3;
        const int depth = 3 - index % 3;
        t.FolderLevel1 = Level(fileDate, kYear, units, "年");
        if (depth >= 2) t.FolderLevel2 = Level(fileDate, kMonth, units, "月");
        if (depth >= 3) t.FolderLevel3 = Level(fileDate, kDay, units, "日");
        return;
    }
}

std::string LevelFolderPath(JobContext& job) {
    return job.options.ReadText(std::string(controls::kDestinationFolder)) + "/" + job.texts.FolderLevel1 +
           job.texts.FolderLevel2 + job.texts.FolderLevel3;
}

platform::Outcome CreateLevelFolders(JobContext& job) {
    const std::string destinationControl(controls::kDestinationFolder);
    const RunTexts& t = job.texts;
    std::string path = job.options.ReadText(destinationControl) + "/";
    for (const std::string* level : {&t.FolderLevel1, &t.FolderLevel2, &t.FolderLevel3}) {
        if (level->empty()) break;  // an unused level would only repeat the one above
        path += *level;
        auto error = platform::MakeFolder(path);
        if (error && error->code != EEXIST) return error;
    }
    return std::nullopt;
}

}  // namespace vorlith
