#include "main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTableView>

#include "control_names.h"
#include "messages.h"
#include "name_safety.h"
#include "operation_log.h"
#include "prompt_window.h"
#include "qt_text.h"
#include "result_model.h"
#include "scan_drivers.h"
#include "widget_options.h"
#include "window_job_host.h"

namespace vorlith::ui {

namespace {

constexpr std::string_view kPickSourcePrompt = "请选择源照片目录:";
constexpr std::string_view kPickDestinationPrompt = "请选择照片要复制到目录:";
constexpr std::string_view kSourceMissing = "请重新选择源照片目录！";
constexpr std::string_view kDestinationMissing = "复制到目录为空，请重新选择！！";

// The controls live at the pixel positions of the form; the client area is
// sized to show every one of them.
constexpr int kClientWidth = 450;
constexpr int kClientHeight = 562;

template <typename W>
W* Place(W* widget, std::string_view name, int x, int y, int w, int h) {
    widget->setObjectName(ToQString(name));
    widget->setGeometry(x, y, w, h);
    return widget;
}

QLabel* GroupTitle(QWidget* parent, std::string_view name, const char* text, int x, int y, int w, int h) {
    auto* label = Place(new QLabel(QString::fromUtf8(text), parent), name, x, y, w, h);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAutoFillBackground(true);  // opaque over the group box's edge
    return label;
}

QGroupBox* Group(QWidget* parent, std::string_view name, int x, int y, int w, int h) {
    return Place(new QGroupBox(parent), name, x, y, w, h);
}

QRadioButton* Radio(QWidget* group, std::string_view name, const char* text, int x, int y, int w, int h,
                    bool checked) {
    auto* radio = Place(new QRadioButton(QString::fromUtf8(text), group), name, x, y, w, h);
    radio->setChecked(checked);
    return radio;
}

QComboBox* DropDown(QWidget* parent, std::string_view name, auto items, int x, int y, int w, int h) {
    auto* combo = Place(new QComboBox(parent), name, x, y, w, h);
    for (std::string_view item : items) combo->addItem(ToQString(item));
    combo->setCurrentIndex(0);
    return combo;
}

QPushButton* Button(QWidget* parent, std::string_view name, int x, int y, int w, int h) {
    auto* button = Place(new QPushButton(ToQString(name), parent), name, x, y, w, h);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

FolderPicker SystemFolderPicker() {
    return [](QWidget* parent, const QString& prompt) {
        return QFileDialog::getExistingDirectory(parent, prompt, QString(), QFileDialog::ShowDirsOnly);
    };
}

MainWindow::MainWindow(WindowOperations& windows, RunTexts& texts, std::string logFolder, FolderPicker pickFolder)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      windows_(windows), texts_(texts), logFolder_(std::move(logFolder)), pickFolder_(std::move(pickFolder)),
      results_(new ResultModel(this)) {
    setObjectName("MainWindow");
    setWindowTitle("Vorlith");
    setFixedSize(kClientWidth, kClientHeight);
    BuildControls();

    // Created handler.
    confirm_->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
    using namespace controls;
    auto* browseSource = Button(this, "浏览源照片路径", 8, 7, 144, 30);
    source_ = Place(new QLineEdit(ToQString(kSourcePlaceholder), this), kSourceFolder, 160, 8, 224, 30);
    stayOnTop_ = Place(new QCheckBox(QStringLiteral("置顶"), this), kStayOnTop, 389, 10, 44, 24);
    stayOnTop_->setLayoutDirection(Qt::RightToLeft);  // caption left of the box
    auto* browseDestination = Button(this, "选择保存到路径", 8, 45, 144, 30);
    destination_ = Place(new QLineEdit(ToQString(kDestinationPlaceholder), this), kDestinationFolder, 160, 45, 280, 30);

    auto* group1 = Group(this, "分组框1", 4, 83, 110, 53);
    Radio(group1, kMove, "移动", 8, 16, 48, 24, true);
    Radio(group1, kCopy, "复制", 51, 16, 48, 24, false);
    auto* group2 = Group(this, "分组框2", 114, 83, 110, 53);
    Radio(group2, kOverwrite, "覆盖", 1, 16, 48, 24, true);
    Radio(group2, kRename, "重命名", 43, 17, 60, 24, false);
    auto* group3 = Group(this, "分组框3", 224, 83, 110, 53);
    Radio(group3, kSubfoldersYes, "是", 6, 16, 48, 24, true);
    Radio(group3, kSubfoldersNo, "否", 58, 17, 36, 24, false);
    Group(this, "分组框6", 334, 83, 110, 53);
    extension_ = DropDown(this, kExtension, kExtensionItems, 346, 103, 90, 20);
    customExtension_ = Place(new QLineEdit(this), kCustomExtension, 347, 103, 72, 20);
    customExtension_->hide();

    auto* group4 = Group(this, "分组框4", 2, 140, 220, 50);
    prefix_ = Place(new QLineEdit(group4), kNamePrefix, 6, 19, 56, 20);
    DropDown(this, kNameFormat, kNameFormatItems, 68, 159, 148, 20);
    Group(this, "分组框5", 223, 140, 220, 50);
    DropDown(this, kFolderLayout, kFolderLayoutItems, 226, 159, 216, 20);

    // Titles go on top of their group boxes' upper edges.
    for (auto* title : {GroupTitle(this, "标签1", "处理方式：", 7, 75, 88, 24),
                        GroupTitle(this, "标签2", "命名方式：", 114, 75, 88, 24),
                        GroupTitle(this, "标签3", "是否搜索子目录：", 223, 75, 88, 24),
                        GroupTitle(this, "标签6", "后缀名称：", 337, 76, 88, 24),
                        GroupTitle(this, "标签4", "照片名称方式", 5, 135, 74, 24),
                        GroupTitle(this, "标签5", "目录整理方式", 224, 135, 73, 24)})
        title->raise();
    for (auto* combo : findChildren<QComboBox*>()) combo->raise();

    resultList_ = Place(new QTableView(this), "超级列表框1", 2, 191, 446, 321);
    resultList_->setModel(results_);
    resultList_->setShowGrid(true);
    resultList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    resultList_->setSelectionMode(QAbstractItemView::SingleSelection);
    resultList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultList_->setSortingEnabled(false);
    resultList_->setWordWrap(false);
    resultList_->verticalHeader()->hide();
    resultList_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    resultList_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    resultList_->horizontalHeader()->setSectionsClickable(true);
    resultList_->horizontalHeader()->setSectionsMovable(true);
    resultList_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    resultList_->horizontalHeader()->setStretchLastSection(false);
    resultList_->setColumnWidth(0, 80);
    resultList_->setColumnWidth(1, 360);

    auto* cancel = Button(this, "取消退出", 0, 512, 225, 50);
    confirm_ = Button(this, "确认修改", 225, 512, 225, 50);

    connect(browseSource, &QPushButton::clicked, this, &MainWindow::BrowseSource);
    connect(browseDestination, &QPushButton::clicked, this, &MainWindow::BrowseDestination);
    connect(extension_, &QComboBox::activated, this, &MainWindow::ExtensionPicked);
    connect(stayOnTop_, &QCheckBox::clicked, this, &MainWindow::StayOnTopToggled);
    connect(cancel, &QPushButton::clicked, this, &MainWindow::Cancel);
    connect(confirm_, &QPushButton::clicked, this, &MainWindow::Confirm);

    // Enter moves the focus on in every control that takes it.
    for (QWidget* child : findChildren<QWidget*>())
        if (child->focusPolicy() != Qt::NoFocus) child->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            focusNextChild();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Destruction goes through the shell, which knows about running jobs.
    event->ignore();
    windows_.RequestDestroy(this);
}

void MainWindow::Prompt(std::string_view message) { ShowPrompt(windows_, ToQString(message)); }

void MainWindow::BrowseSource() {
    source_->setText(pickFolder_(this, ToQString(kPickSourcePrompt)));
    const std::string text = ToBytes(source_->text());
    if (text == controls::kSourcePlaceholder || text.empty()) Prompt(kSourceMissing);
}

void MainWindow::BrowseDestination() {
    destination_->setText(pickFolder_(this, ToQString(kPickDestinationPrompt)));
    const std::string text = ToBytes(destination_->text());
    if (text.empty() || text == controls::kDestinationPlaceholder) Prompt(kDestinationMissing);
}

void MainWindow::ExtensionPicked(int index) {
    if (index >= 0 && index < controls::kCustomExtensionIndex) {
        customExtension_->hide();
        customExtension_->clear();
    } else if (index == controls::kCustomExtensionIndex) {
        customExtension_->show();
        customExtension_->raise();
    }
}

void MainWindow::StayOnTopToggled() { SetAlwaysOnTop(this, stayOnTop_->isChecked()); }

void MainWindow::Cancel() { windows_.RequestDestroy(this); }

void MainWindow::Confirm() {
    if (jobRunning_) return;  // a job inside a job would mix up both
    results_->Clear();
    if (extension_->currentIndex() == controls::kCustomExtensionIndex && customExtension_->text().isEmpty()) {
        Prompt(messages::kCustomExtensionMissing);
        return;
    }
    if (auto refusal = CheckNameParts(WidgetOptions(this))) {
        Prompt(*refusal);
        return;
    }
    if (source_->text().isEmpty() || ToBytes(source_->text()) == controls::kSourcePlaceholder) {
        BrowseSource();
        return;
    }
    if (destination_->text().isEmpty() || ToBytes(destination_->text()) == controls::kDestinationPlaceholder) {
        BrowseDestination();
        return;
    }
    RunJob();
}

void MainWindow::RunJob() {
    jobRunning_ = true;
    WidgetOptions options(this);
    WindowJobHost host(*results_, resultList_, confirm_, windows_, [this] { return closeAfterJob_; });
    {
        OperationLog log(logFolder_);
        JobContext job{options, host, texts_, log};
        RunChosenDriver(job);
    }
    host.Publish();
    jobRunning_ = false;
    if (closeAfterJob_) windows_.RequestDestroy(this);
}

void MainWindow::StopJobThenClose() {
    closeAfterJob_ = true;
    if (QWidget* prompt = windows_.Existing(WindowKind::Prompt)) windows_.RequestDestroy(prompt);
    hide();
}

}  // namespace vorlith::ui
