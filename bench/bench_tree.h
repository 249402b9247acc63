// Shared by the benchmarks: the generated source tree and where the
// benchmark's sibling programs are.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <string>

namespace vorlith::bench {

// N empty files whose last-write times spread over about ten years, each in
// its own second.
inline void MakeTree(const std::string& folder, int n) {
    ::mkdir(folder.c_str(), 0777);
    const time_t base = 1262304000;  // 2010-01-01
    for (int i = 0; i < n; ++i) {
        const std::string path = folder + "/IMG_" + std::to_string(i) + ".jpg";
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const time_t t = base + static_cast<time_t>(i) * 3307;
        struct timespec times[2] = {{t, 0}, {t, 0}};
        ::futimens(fd, times);
        ::close(fd);
    }
}

// The folder of the running benchmark, where vorlith-cli is built too.
inline std::string BinaryFolder() {
    char buffer[4096];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    std::string exe(buffer, n > 0 ? static_cast<size_t>(n) : 0);
    return exe.substr(0, exe.rfind('/'));
}

}  // namespace vorlith::bench
