#include "arguments.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "ascii_case.h"
#include "control_names.h"
#include "messages.h"
#include "name_safety.h"

namespace vorlith::cli {

const char* const kUsage =
    "Usage: vorlith-cli --source DIR --dest DIR [options]\n"
    "Files photos and videos into dated folders, named after their last-write time.\n"
    "\n"
    "  --ext NAME            JPG, BMP, GIF, MOV, AVI, MP4 or 3GP (default JPG)\n"
    "  --custom-ext TEXT     a custom extension, used exactly as typed\n"
    "  --copy | --move       default --move\n"
    "  --overwrite | --rename    default --overwrite\n"
    "  --recursive | --flat  search subfolders or not (default --recursive)\n"
    "  --name-format N       0-4: 年月日时分秒, 年-月-日 时：分：秒, 年_月_日_时_分_秒,\n"
    "                        年-月-日-时-分-秒, 时-分-秒 (default 0)\n"
    "  --prefix TEXT         put in front of every name (default empty)\n"
    "  --layout N            0-5: 2014年/12月/29日, 2014年/12月, 2014年,\n"
    "                        2014/12/29, 2014/12, 2014 (default 0)\n"
    "  --log-dir DIR         folder for the hourly log files (default: the program's folder)\n"
    "  --help, --version\n"
    "\n"
    "Prints one line per file (number, tab, where it went), then the completion report.\n"
    "Exit code: 0 all placed, 1 some placement failed, 2 usage error, 130 interrupted.\n";

namespace {

std::string Absolute(const std::string& path, const std::string& currentDirectory) {
    if (!path.empty() && path[0] == '/') return path;
    return currentDirectory + "/" + path;
}

std::optional<int> SmallNumber(std::string_view text, int highest) {
    int value = -1;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > highest) return std::nullopt;
    return value;
}

std::optional<int> ExtensionIndex(std::string_view name) {
    for (int i = 0; i < controls::kCustomExtensionIndex; ++i)
        if (EqualIgnoringAsciiCase(controls::kExtensionItems[static_cast<size_t>(i)], name)) return i;
    return std::nullopt;
}

struct Parser {
    int argc;
    const char* const* argv;
    int at = 1;

    bool Done() const { return at >= argc; }
    std::string_view Take() { return argv[at++]; }
    std::optional<std::string> Value() {
        if (Done()) return std::nullopt;
        return std::string(argv[at++]);
    }
};

UsageError MissingValue(std::string_view flag) { return {"missing value after " + std::string(flag)}; }

}  // namespace

ParsedArguments ParseArguments(int argc, const char* const* argv, const std::string& currentDirectory) {
    JobRequest request;
    std::optional<std::string> source, destination, customExtension;
    std::optional<int> extension;
    Parser p{argc, argv};
    while (!p.Done()) {
        const std::string_view flag = p.Take();
        if (flag == "--help" || flag == "-h") return ShowHelp{};
        if (flag == "--version") return ShowVersion{};
        if (flag == "--copy") request.options.Check(controls::kCopy);
        else if (flag == "--move") request.options.Check(controls::kMove);
        else if (flag == "--overwrite") request.options.Check(controls::kOverwrite);
        else if (flag == "--rename") request.options.Check(controls::kRename);
        else if (flag == "--recursive") request.options.Check(controls::kSubfoldersYes);
        else if (flag == "--flat") request.options.Check(controls::kSubfoldersNo);
        else if (flag == "--source" || flag == "--dest" || flag == "--ext" || flag == "--custom-ext" ||
                 flag == "--name-format" || flag == "--prefix" || flag == "--layout" || flag == "--log-dir") {
            auto value = p.Value();
            if (!value) return MissingValue(flag);
            if (flag == "--source") source = *value;
            else if (flag == "--dest") destination = *value;
            else if (flag == "--custom-ext") customExtension = *value;
            else if (flag == "--prefix") request.options.SetText(controls::kNamePrefix, *value);
            else if (flag == "--log-dir") {
                if (value->empty()) return UsageError{"--log-dir needs a folder"};
                request.logFolder = Absolute(*value, currentDirectory);
            } else if (flag == "--ext") {
                extension = ExtensionIndex(*value);
                if (!extension) return UsageError{"unknown --ext '" + *value + "': use JPG, BMP, GIF, MOV, AVI, MP4 or 3GP, or --custom-ext"};
            } else if (flag == "--name-format") {
                auto n = SmallNumber(*value, 4);
                if (!n) return UsageError{"--name-format must be 0 to 4, not '" + *value + "'"};
                request.options.Select(controls::kNameFormat, *n);
            } else {
                auto n = SmallNumber(*value, 5);
                if (!n) return UsageError{"--layout must be 0 to 5, not '" + *value + "'"};
                request.options.Select(controls::kFolderLayout, *n);
            }
        } else {
            return UsageError{"unknown argument '" + std::string(flag) + "'"};
        }
    }
    if (extension && customExtension) return UsageError{"--ext and --custom-ext can't be used together"};
    if (customExtension) {
        if (customExtension->empty()) return UsageError{std::string(messages::kCustomExtensionMissing)};
        request.options.Select(controls::kExtension, controls::kCustomExtensionIndex);
        request.options.SetText(controls::kCustomExtension, *customExtension);
    } else if (extension) {
        request.options.Select(controls::kExtension, *extension);
    }
    if (auto refusal = CheckNameParts(request.options)) return UsageError{*refusal};
    if (!source || source->empty()) return UsageError{"--source DIR is required"};
    if (!destination || destination->empty()) return UsageError{"--dest DIR is required"};
    request.options.SetText(controls::kSourceFolder, Absolute(*source, currentDirectory));
    request.options.SetText(controls::kDestinationFolder, Absolute(*destination, currentDirectory));
    return request;
}

}  // namespace vorlith::cli
