#include "name_safety.h"

#include "control_names.h"
#include "messages.h"

namespace vorlith {

bool HasUnsafeNameCharacters(std::string_view part) {
    for (unsigned char c : part) {
        if (c < 0x20 || c == 0x7F) return true;
        switch (c) {
            case '/': case '\\': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
                return true;
            default:
                break;
        }
    }
    return false;
}

std::optional<std::string> CheckNameParts(const OrganizerOptions& options) {
    bool unsafe = HasUnsafeNameCharacters(options.ReadText(std::string(controls::kNamePrefix)));
    if (options.ReadSelectedIndex(std::string(controls::kExtension)) == controls::kCustomExtensionIndex)
        unsafe = unsafe || HasUnsafeNameCharacters(options.ReadText(std::string(controls::kCustomExtension)));
    if (unsafe) return std::string(messages::kUnsafeNamePart);
    return std::nullopt;
}

}  // namespace vorlith
