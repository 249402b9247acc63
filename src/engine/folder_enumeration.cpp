#include "folder_enumeration.h"

#include "platform/wildcard.h"

namespace vorlith {

std::optional<platform::DirEntry> FolderEnumeration::First(const std::string& pattern, EntryFilter filter) {
    Close();
    error_.reset();
    const auto slash = pattern.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : pattern.substr(0, slash + 1);
    mask_ = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
    filter_ = filter;
    if (auto error = reader_.Open(folder)) {
        error_ = std::move(error);
        return std::nullopt;
    }
    return Next();
}

std::optional<platform::DirEntry> FolderEnumeration::Next() {
    while (auto entry = reader_.Read()) {
        const bool wanted = (filter_ == EntryFilter::Folders) == entry->isDirectory;
        if (wanted && platform::WildcardMatch(mask_, entry->name)) return entry;
    }
    if (reader_.Error()) error_ = reader_.Error();
    reader_.Close();
    return std::nullopt;
}

void FolderEnumeration::Close() { reader_.Close(); }

}  // namespace vorlith
