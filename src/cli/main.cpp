// vorlith-cli: one job of the organizing engine, driven from the command line.
#include <cstdio>
#include <string>

#include "arguments.h"
#include "control_names.h"
#include "operation_log.h"
#include "platform/platform.h"
#include "print_host.h"
#include "program_folder.h"
#include "run_texts.h"
#include "scan_drivers.h"

#ifndef VORLITH_VERSION
#define VORLITH_VERSION "0"
#endif

namespace {

using namespace vorlith;

constexpr int kExitPlaced = 0;
constexpr int kExitFailures = 1;
constexpr int kExitUsage = 2;
constexpr int kExitInterrupted = 130;

int Usage(const std::string& message) {
    std::fprintf(stderr, "vorlith-cli: %s\nTry 'vorlith-cli --help'.\n", message.c_str());
    return kExitUsage;
}

// The folders must be there before anything is touched.
std::string FolderProblem(const cli::JobRequest& request) {
    const std::string source = request.options.ReadText(std::string(controls::kSourceFolder));
    const std::string destination = request.options.ReadText(std::string(controls::kDestinationFolder));
    if (!platform::IsFolder(source)) return "source folder not found: " + source;
    if (!platform::IsFolder(destination)) return "destination folder not found: " + destination;
    platform::DirReader probe;
    if (auto error = probe.Open(source)) return "can't read the source folder " + source + ": " + error->Reason();
    return {};
}

void ReportProblems(const JobTally& tally) {
    for (const auto& error : tally.folderErrors)
        std::fprintf(stderr, "vorlith-cli: can't list %s: %s\n", error.path.c_str(), error.Reason().c_str());
    if (tally.logError)
        std::fprintf(stderr, "vorlith-cli: the log could not be written (%s): %s\n", tally.logError->path.c_str(),
                     tally.logError->Reason().c_str());
}

int RunJob(cli::JobRequest& request, RunTexts& texts) {
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    cli::PrintHost host(stdout);
    cli::PrintHost::CatchInterrupt();
    OperationLog log(request.logFolder.empty() ? ProgramFolder() : request.logFolder);
    JobContext job{request.options, host, texts, log};
    RunChosenDriver(job);
    host.PrintCompletion();
    std::fflush(stdout);
    ReportProblems(job.tally);
    if (job.tally.stopped) return kExitInterrupted;
    return job.tally.failed > 0 || !job.tally.folderErrors.empty() ? kExitFailures : kExitPlaced;
}

}  // namespace

int main(int argc, char** argv) {
    auto parsed = cli::ParseArguments(argc, argv, platform::CurrentDirectory());
    if (std::holds_alternative<cli::ShowHelp>(parsed)) {
        std::fputs(cli::kUsage, stdout);
        return kExitPlaced;
    }
    if (std::holds_alternative<cli::ShowVersion>(parsed)) {
        std::puts("Vorlith " VORLITH_VERSION);
        return kExitPlaced;
    }
    if (auto* error = std::get_if<cli::UsageError>(&parsed)) return Usage(error->message);
    auto& request = std::get<cli::JobRequest>(parsed);
    if (auto problem = FolderProblem(request); !problem.empty()) return Usage(problem);
    RunTexts texts;  // the program's, for the whole run
    const int code = RunJob(request, texts);
    ReleaseRunTexts(texts);
    return code;
}
