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

#include "bench_tree.h"

namespace vorlith {
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



void Bench(int n, const std::string& work) {
    const std::string bin = bench::BinaryFolder();
    const std::string round = work + "/n" + std::to_string(n);
    std::system(("rm -rf '" + round + "'").c_str());
    ::mkdir(round.c_str(), 0777);
    for (const char* side : {"base", "cli"}) {
        bench::MakeTree(round + "/" + side + "-src", n);
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
}  // namespace vorlith

int main(int argc, char** argv) {
    using namespace vorlith;
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {20000, 100000};
    char pattern[] = "/tmp/vorlith-bench-XXXXXX";
    const std::string work = ::mkdtemp(pattern);
    for (int n : sizes) Bench(n, work);
    ::rmdir(work.c_str());
    return 0;
}
