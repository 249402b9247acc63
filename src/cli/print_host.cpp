#include "print_host.h"

#include <csignal>

namespace vorlith::cli {

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void OnInterrupt(int) { gInterrupted = 1; }

void PrintLine(std::FILE* out, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), out);
    std::fputc('\n', out);
}

}  // namespace

void PrintHost::AppendRow(const std::string& number, const std::string& path) {
    ++rows_;
    std::fwrite(number.data(), 1, number.size(), out_);
    std::fputc('\t', out_);
    PrintLine(out_, path);
}

bool PrintHost::StopRequested() const { return gInterrupted != 0; }

void PrintHost::PrintCompletion() {
    if (!prompt_.empty()) PrintLine(out_, prompt_);
    if (!caption_.empty()) PrintLine(out_, caption_);
}

void PrintHost::CatchInterrupt() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace vorlith::cli
