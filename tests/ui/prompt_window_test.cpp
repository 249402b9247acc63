// The prompt window's life cycle under the offscreen platform, with a
// counting Enter key.
#include <QBitmap>
#include <QTest>
#include <QWindow>

#include "ui_fixture.h"

using vorlith::test::Program;
using vorlith::ui::ShowPrompt;

class PromptWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void windowAndControls() {
        Program p(dir.path());
        ShowPrompt(*p.shell, "hello");
        auto* prompt = p.Prompt();
        QVERIFY(prompt);
        QCOMPARE(prompt->size(), QSize(298, 148));
        QVERIFY(prompt->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(prompt->windowFlags() & Qt::Tool);  // no taskbar button, stays above its owner
        QCOMPARE(prompt->parentWidget(), p.main.data());
        QCOMPARE(prompt->windowTitle(), QStringLiteral("提示："));
        auto* label = prompt->findChild<QWidget*>(QStringLiteral("标签1"));
        auto* ok = prompt->findChild<QPushButton*>(QStringLiteral("按钮1"));
        QCOMPARE(label->geometry(), QRect(53, 32, 192, 48));
        QCOMPARE(ok->geometry(), QRect(54, 96, 189, 32));
        QCOMPARE(ok->text(), QStringLiteral("确定"));
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QCOMPARE(prompt->focusWidget(), ok);
        // Rounded corners: the corner pixel is outside the shape, the middle of
        // an edge inside it.
        QVERIFY(!prompt->mask().contains(QPoint(0, 0)));
        QVERIFY(!prompt->mask().contains(QPoint(297, 147)));
        QVERIFY(prompt->mask().contains(QPoint(149, 0)));
        QVERIFY(prompt->mask().contains(QPoint(149, 74)));
    }

    void oneWindowForTwoMessages() {
        Program p(dir.path());
        ShowPrompt(*p.shell, "first");
        auto* first = p.Prompt();
        ShowPrompt(*p.shell, "second");
        QCOMPARE(p.Prompt(), first);
        QCOMPARE(p.PromptText(), QStringLiteral("second"));
        QCOMPARE(p.hotKeys.registrations, 1);
        p.hotKeys.press();  // Enter, anywhere
        QVERIFY(!first->isVisible());
        Program::Serve();
        QVERIFY(!p.Prompt());
        QCOMPARE(p.hotKeys.releases, std::vector<int>{1});
    }

    void aClosingWindowIsReplaced() {
        Program p(dir.path());
        ShowPrompt(*p.shell, "first");
        QTest::mouseClick(p.Prompt()->findChild<QPushButton*>(QStringLiteral("按钮1")), Qt::LeftButton);
        QVERIFY(!p.Prompt()->isVisible());
        p.hotKeys.press = nullptr;
        ShowPrompt(*p.shell, "second");
        QCOMPARE(p.hotKeys.releases, std::vector<int>{1});  // the closing window went first
        QCOMPARE(p.hotKeys.registrations, 2);
        QVERIFY(p.Prompt()->isVisible());
        QCOMPARE(p.PromptText(), QStringLiteral("second"));
        Program::Serve();
        QVERIFY2(p.Prompt(), "the new window is not destroyed by the old request");
    }

    void stayOnTopFollowsTheBox() {
        Program p(dir.path());
        p.Check("置顶框")->click();
        ShowPrompt(*p.shell, "m");
        QVERIFY(p.Prompt()->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
        p.main->windowHandle()->setFlag(Qt::WindowStaysOnTopHint, false);
        p.hotKeys.press();
        QVERIFY2(p.main->windowHandle()->flags() & Qt::WindowStaysOnTopHint, "OK reapplies the box");
    }

    void escapeClosesWithoutTouchingStayOnTop() {
        Program p(dir.path());
        ShowPrompt(*p.shell, "m");
        p.Check("置顶框")->setChecked(true);  // checked without its handler
        QTest::keyClick(p.Prompt()->findChild<QPushButton*>(QStringLiteral("按钮1")), Qt::Key_Escape);
        Program::Serve();
        QVERIFY(!p.Prompt());
        QCOMPARE(p.hotKeys.releases.size(), size_t(1));
        QVERIFY(!(p.main->windowHandle()->flags() & Qt::WindowStaysOnTopHint));
        QVERIFY(p.main);
    }

    void refusedKeyStillClosesByButton() {
        Program p(dir.path());
        p.hotKeys.refuse = true;
        ShowPrompt(*p.shell, "m");
        QCOMPARE(p.Prompt()->HotKeyId(), 0);
        QTest::mouseClick(p.Prompt()->findChild<QPushButton*>(QStringLiteral("按钮1")), Qt::LeftButton);
        Program::Serve();
        QVERIFY(!p.Prompt());
        QCOMPARE(p.hotKeys.releases, std::vector<int>{0});
    }

    void cancelWithThePromptOpen() {
        Program p(dir.path());
        ShowPrompt(*p.shell, "m");
        QPointer<QWidget> prompt = p.Prompt();
        bool promptGoneFirst = false;
        QObject::connect(p.main, &QObject::destroyed, [&] { promptGoneFirst = prompt.isNull(); });
        p.Button("取消退出")->click();
        Program::Serve();
        QVERIFY(!p.main);
        QVERIFY(promptGoneFirst);
        QCOMPARE(p.hotKeys.releases, std::vector<int>{1});
    }

    void longMessageStaysOnOneLine() {
        Program p(dir.path());
        const QString message = QString("很长的消息").repeated(20);
        ShowPrompt(*p.shell, message);
        auto* label = p.Prompt()->findChild<QWidget*>(QStringLiteral("标签1"));
        QCOMPARE(label->size(), QSize(192, 48));
        QCOMPARE(p.PromptText(), message);
        QImage image = label->grab().toImage();
        QVERIFY(!image.isNull());
    }
};

QTEST_MAIN(PromptWindowTest)
#include "prompt_window_test.moc"
