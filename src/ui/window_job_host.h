// The job host of the desktop program: rows go to the result list, the
// caption to the confirm button, prompts to the prompt window. Repaints are
// limited to about 30 a second, so the list stays fast for long jobs.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <functional>

#include "job_host.h"
#include "window_operations.h"

class QAbstractItemView;
class QPushButton;

namespace vorlith::ui {

class ResultModel;

class WindowJobHost final : public JobHost {
public:
    WindowJobHost(ResultModel& model, QAbstractItemView* list, QPushButton* captionButton, WindowOperations& windows,
                  std::function<bool()> stopRequested);

    void AppendRow(const std::string& number, const std::string& path) override;
    int RowCount() const override;
    void ScrollToRow(int row) override;
    void SetCaption(const std::string& caption) override;
    void PumpEvents() override;
    void ShowPrompt(const std::string& message) override;
    bool StopRequested() const override { return stopRequested_(); }

    // Shows every row and the last caption now.
    void Publish();

private:
    ResultModel& model_;
    QPointer<QAbstractItemView> list_;
    QPointer<QPushButton> captionButton_;
    WindowOperations& windows_;
    std::function<bool()> stopRequested_;
    QString caption_;
    bool captionChanged_ = false;
    int scrollTo_ = -1;
    QElapsedTimer sincePublish_;
};

}  // namespace vorlith::ui
