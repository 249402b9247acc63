// What a job needs from the program that runs it: the result list, the
// progress caption, the event pump and the prompt. The desktop program
// provides these over its windows, the command line by printing.
#pragma once

#include <string>

namespace vorlith {

class JobHost {
public:
    virtual ~JobHost() = default;
    // Appends a row to the result list with its two cells.
    virtual void AppendRow(const std::string& number, const std::string& path) = 0;
    virtual int RowCount() const = 0;
    // Makes row `row` (from 0) fully visible.
    virtual void ScrollToRow(int row) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // Lets pending user events run; called before every file.
    virtual void PumpEvents() = 0;
    // Shows a message without waiting for the user.
    virtual void ShowPrompt(const std::string& message) = 0;
    // True once the job should end after the file in hand (window closed,
    // Ctrl-C). Checked right after every PumpEvents.
    virtual bool StopRequested() const { return false; }
};

}  // namespace vorlith
