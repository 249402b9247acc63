#include "window_job_host.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QPushButton>

#include "prompt_window.h"
#include "qt_text.h"
#include "result_model.h"

namespace vorlith::ui {

namespace {
constexpr qint64 kRepaintIntervalMs = 33;
}

WindowJobHost::WindowJobHost(ResultModel& model, QAbstractItemView* list, QPushButton* captionButton,
                             WindowOperations& windows, std::function<bool()> stopRequested)
    : model_(model), list_(list), captionButton_(captionButton), windows_(windows),
      stopRequested_(std::move(stopRequested)) {
    sincePublish_.start();
}

void WindowJobHost::AppendRow(const std::string& number, const std::string& path) { model_.Append(number, path); }

int WindowJobHost::RowCount() const { return model_.TotalRows(); }

void WindowJobHost::ScrollToRow(int row) { scrollTo_ = row; }

void WindowJobHost::SetCaption(const std::string& caption) {
    caption_ = ToQString(caption);
    captionChanged_ = true;
}

void WindowJobHost::PumpEvents() {
    if (sincePublish_.elapsed() >= kRepaintIntervalMs) Publish();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WindowJobHost::ShowPrompt(const std::string& message) {
    Publish();
    ui::ShowPrompt(windows_, ToQString(message));
}

void WindowJobHost::Publish() {
    sincePublish_.restart();
    model_.Publish();
    if (list_ && scrollTo_ >= 0 && scrollTo_ < model_.rowCount()) {
        list_->scrollTo(model_.index(scrollTo_, 0), QAbstractItemView::EnsureVisible);
        scrollTo_ = -1;
    }
    if (captionButton_ && captionChanged_) {
        captionButton_->setText(caption_);
        captionChanged_ = false;
    }
}

}  // namespace vorlith::ui
