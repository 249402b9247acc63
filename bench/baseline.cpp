// The least any tool must do to file N photos into year/month/day folders:
// list the folder, stat each file, three mkdir, one rename, one log line.
// No naming rules, no checks: the floor the real program is measured against.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench-baseline SOURCE DEST LOGFILE\n");
        return 2;
    }
    const std::string source = argv[1], dest = argv[2];
    int log = ::open(argv[3], O_WRONLY | O_CREAT | O_APPEND, 0644);
    DIR* dir = ::opendir(source.c_str());
    if (!dir || log < 0) return 1;
    while (dirent* entry = ::readdir(dir)) {
        if (entry->d_type != DT_REG) continue;
        const std::string path = source + "/" + entry->d_name;
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) continue;
        struct tm tm {};
        ::localtime_r(&st.st_mtim.tv_sec, &tm);
        std::string folder = dest + "/" + std::to_string(tm.tm_year + 1900);
        ::mkdir(folder.c_str(), 0777);
        folder += "/" + std::to_string(tm.tm_mon + 1);
        ::mkdir(folder.c_str(), 0777);
        folder += "/" + std::to_string(tm.tm_mday);
        ::mkdir(folder.c_str(), 0777);
        const std::string target = folder + "/" + entry->d_name;
        ::rename(path.c_str(), target.c_str());
        const std::string line = path + " -> " + target + "\r\n";
        if (::write(log, line.data(), line.size()) < 0) return 1;
    }
    ::closedir(dir);
    ::close(log);
    return 0;
}
