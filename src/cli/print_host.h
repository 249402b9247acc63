// The job host of the command line: rows and the completion report go to
// standard output; Ctrl-C asks the job to stop after the file in hand.
#pragma once

#include <cstdio>
#include <string>

#include "job_host.h"

namespace vorlith::cli {

class PrintHost final : public JobHost {
public:
    explicit PrintHost(std::FILE* out) : out_(out) {}

    void AppendRow(const std::string& number, const std::string& path) override;
    int RowCount() const override { return rows_; }
    void ScrollToRow(int) override {}
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    void PumpEvents() override {}
    void ShowPrompt(const std::string& message) override { prompt_ = message; }
    bool StopRequested() const override;

    // Prints the prompt's message, if one was shown, and the last caption.
    void PrintCompletion();

    // Installs the Ctrl-C handler that StopRequested looks at.
    static void CatchInterrupt();

private:
    std::FILE* out_;
    int rows_ = 0;
    std::string caption_;
    std::string prompt_;
};

}  // namespace vorlith::cli
