#include "program_folder.h"

#include "platform/platform.h"

namespace vorlith {

std::string ProgramFolder() {
    const std::string exe = platform::ExecutablePath();
    const auto slash = exe.rfind('/');
    return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

}  // namespace vorlith
