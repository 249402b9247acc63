// The main window: every option control, the result list and the two
// buttons. A job runs inside the confirm button's click handler.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "run_texts.h"
#include "window_operations.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;

namespace vorlith::ui {

class ResultModel;

// Asks the user for a folder; returns its full path, or "" on cancel.
using FolderPicker = std::function<QString(QWidget* parent, const QString& prompt)>;
FolderPicker SystemFolderPicker();

class MainWindow final : public QWidget {
    Q_OBJECT
public:
    // `texts` are the program's RunTexts; logs go to `logFolder`.
    MainWindow(WindowOperations& windows, RunTexts& texts, std::string logFolder, FolderPicker pickFolder);
    ~MainWindow() override;

    bool JobRunning() const { return jobRunning_; }
    // Ends a running job after the file in hand and closes the window once
    // the job has returned: the window is hidden now, the prompt destroyed.
    void StopJobThenClose();
    ResultModel& Results() { return *results_; }

public slots:
    void BrowseSource();
    void BrowseDestination();
    void ExtensionPicked(int index);
    void StayOnTopToggled();
    void Cancel();
    void Confirm();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;  // Esc closes
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void RunJob();
    void Prompt(std::string_view message);

    WindowOperations& windows_;
    RunTexts& texts_;
    std::string logFolder_;
    FolderPicker pickFolder_;
    ResultModel* results_;

    QLineEdit* source_ = nullptr;
    QLineEdit* destination_ = nullptr;
    QLineEdit* customExtension_ = nullptr;
    QLineEdit* prefix_ = nullptr;
    QComboBox* extension_ = nullptr;
    QCheckBox* stayOnTop_ = nullptr;
    QTableView* resultList_ = nullptr;
    QPushButton* confirm_ = nullptr;

    bool jobRunning_ = false;
    bool closeAfterJob_ = false;
};

}  // namespace vorlith::ui
