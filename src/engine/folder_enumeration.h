// One directory enumeration over a wildcard pattern, with a filter.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

namespace vorlith {

enum class EntryFilter {
    Files,    // everything that is not a folder (hidden, read-only alike)
    Folders,  // folders and links to folders, "." and ".." included
};

class FolderEnumeration {
public:
    // Closes what is open and starts listing the folder part of `pattern`
    // (everything up to its last "/"), returning the first entry whose name
    // matches the last part and that passes `filter`; nullopt when none does
    // or the folder can't be listed (see `Error`).
    std::optional<platform::DirEntry> First(const std::string& pattern, EntryFilter filter);
    // The next passing entry; nullopt at the end. Reaching the end closes.
    std::optional<platform::DirEntry> Next();
    void Close();
    // Why the last listing failed to open or ended early, if it did.
    const platform::Outcome& Error() const { return error_; }

private:
    platform::DirReader reader_;
    std::string mask_;
    EntryFilter filter_ = EntryFilter::Files;
    platform::Outcome error_;
};

}  // namespace vorlith
