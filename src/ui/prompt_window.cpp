#include "prompt_window.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainterPath>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include "control_names.h"
#include "qt_text.h"
#include "embossed_label.h"

namespace vorlith::ui {

namespace {

constexpr int kWidth = 298;
constexpr int kHeight = 148;
// Corners are quarter ellipses a fifth of the smaller side wide and high.
constexpr int kCornerEllipse = kHeight / 5;

QRegion RoundedShape() {
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, kWidth, kHeight), kCornerEllipse / 2.0, kCornerEllipse / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

bool StayOnTopChecked(WindowOperations& windows) {
    QWidget* main = windows.Existing(WindowKind::Main);
    if (!main) return false;
    auto* box = main->findChild<QCheckBox*>(ToQString(controls::kStayOnTop));
    return box && box->isChecked();
}

}  // namespace

void SetAlwaysOnTop(QWidget* window, bool on) {
    if (!window) return;
    window->winId();  // make sure the native window exists
    if (QWindow* handle = window->windowHandle()) handle->setFlag(Qt::WindowStaysOnTopHint, on);
}

PromptWindow::PromptWindow(QWidget* owner, WindowOperations& windows, HotKeyService& hotKeys)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint), windows_(windows), hotKeys_(hotKeys) {
    setObjectName("PromptWindow");
    setWindowTitle(QStringLiteral("提示："));
    setFixedSize(kWidth, kHeight);
    setMask(RoundedShape());

    label_ = new EmbossedLabel(this);
    label_->setObjectName(QStringLiteral("标签1"));
    label_->setGeometry(53, 32, 192, 48);

    okButton_ = new QPushButton(QStringLiteral("确定"), this);
    okButton_->setObjectName(QStringLiteral("按钮1"));
    okButton_->setGeometry(54, 96, 189, 32);
    okButton_->setAutoDefault(false);
    okButton_->setDefault(false);
    connect(okButton_, &QPushButton::clicked, this, &PromptWindow::AcknowledgeMessage);

    // Created handler.
    okButton_->setFocus();
    hotKeyId_ = hotKeys_.Register([this] { AcknowledgeMessage(); });
}

void PromptWindow::keyPressEvent(QKeyEvent* event) {
    // Esc closes at once, without the OK handler's stay-on-top steps.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        windows_.RequestDestroy(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

PromptWindow::~PromptWindow() { hotKeys_.Release(hotKeyId_); }

void PromptWindow::SetMessage(const QString& message) { label_->setText(message); }

QString PromptWindow::Message() const { return label_->text(); }

void PromptWindow::SetStaysOnTop(bool on) { SetAlwaysOnTop(this, on); }

void PromptWindow::CentreOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    move(area.center() - QPoint(kWidth / 2, kHeight / 2));
}

void PromptWindow::AcknowledgeMessage() {
    SetStaysOnTop(false);
    hide();
    windows_.RequestDestroy(this);
    SetAlwaysOnTop(windows_.Existing(WindowKind::Main), StayOnTopChecked(windows_));
}

void ShowPrompt(WindowOperations& windows, const QString& message) {
    auto* prompt = qobject_cast<PromptWindow*>(windows.LoadWindow(WindowKind::Prompt));
    if (!prompt) return;  // no window to show it in; nothing else can be done
    prompt->SetStaysOnTop(StayOnTopChecked(windows));
    prompt->SetMessage(message);
}

}  // namespace vorlith::ui
