// Times `vorlith-cli --flat --move` into layout 0 against the baseline on the
// same kind of tree, in one run, and prints both, files per second, the
// ratio and vorlith-cli's peak memory.
//
//   bench-cli-vs-baseline [N ...]      (default: 20000 100000)
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Measure {
    double seconds = 0;
    long peakKb = 0;
    int code = -1;
};

Measure RunTimed(std::vector<std::string> args) {
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = ::fork();
    if (pid == 0) {
        int devnull = ::open("/dev/null", O_WRONLY);
        ::dup2(devnull, 1);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    Measure m;
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.peakKb = usage.ru_maxrss;
    m.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return m;
}

// N empty files whose last-write times spread over about ten years.
void MakeTree(const std::string& folder, int n) {
    ::mkdir(folder.c_str(), 0777);
    const time_t base = 1262304000;  // 2010-01-01
    for (int i = 0; i < n; ++i) {
        const std::string path = folder + "/IMG_" + std::to_string(i) + ".jpg";
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const time_t t = base + static_cast<time_t>(i) * 3307;  // distinct seconds
        struct timespec times[2] = {{t, 0}, {t, 0}};
        ::futimens(fd, times);
        ::close(fd);
    }
}

std::string Here() {
    char buffer[4096];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    std::string exe(buffer, n > 0 ? static_cast<size_t>(n) : 0);
    return exe.substr(0, exe.rfind('/'));
}

void Bench(int n, const std::string& work) {
    const std::string bin = Here();
    const std::string round = work + "/n" + std::to_string(n);
    std::system(("rm -rf '" + round + "'").c_str());
    ::mkdir(round.c_str(), 0777);
    for (const char* side : {"base", "cli"}) {
        MakeTree(round + "/" + side + "-src", n);
        ::mkdir((round + "/" + side + "-dst").c_str(), 0777);
        ::mkdir((round + "/" + side + "-log").c_str(), 0777);
    }
    ::sync();
    Measure base = RunTimed({bin + "/bench-baseline", round + "/base-src", round + "/base-dst",
                             round + "/base-log/log.txt"});
    Measure cli = RunTimed({bin + "/vorlith-cli", "--source", round + "/cli-src", "--dest", round + "/cli-dst",
                            "--flat", "--move", "--layout", "0", "--log-dir", round + "/cli-log"});
    std::printf("N = %d\n", n);
    std::printf("  baseline     %8.3f s  %10.0f files/s  (exit %d)\n", base.seconds, n / base.seconds, base.code);
    std::printf("  vorlith-cli  %8.3f s  %10.0f files/s  (exit %d)  peak memory %.1f MB\n", cli.seconds,
                n / cli.seconds, cli.code, cli.peakKb / 1024.0);
    std::printf("  ratio vorlith-cli / baseline = %.2f\n", cli.seconds / base.seconds);
    std::fflush(stdout);
    std::system(("rm -rf '" + round + "'").c_str());
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {20000, 100000};
    char pattern[] = "/tmp/vorlith-bench-XXXXXX";
    const std::string work = ::mkdtemp(pattern);
    for (int n : sizes) Bench(n, work);
    ::rmdir(work.c_str());
    return 0;
}
