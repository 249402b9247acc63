// The main window under the offscreen platform: controls, handlers and whole
// jobs, with the folder picker scripted.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QWindow>
#include <sys/stat.h>
#include <utime.h>

#include "result_model.h"
#include "ui_fixture.h"

using vorlith::test::Program;

namespace {

void MakePhoto(const QString& path, int minute) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.close();
    struct utimbuf times {};
    times.modtime = times.actime = 1394010000 + minute * 60;  // 2014-03-05
    utime(path.toUtf8().constData(), &times);
}

// Runs `action` inside the job's event pump before its second file: the
// first pump runs the outer call, which queues `action` for the next one.
void BeforeSecondFile(QObject* context, std::function<void()> action) {
    QMetaObject::invokeMethod(
        context, [context, action] { QMetaObject::invokeMethod(context, action, Qt::QueuedConnection); },
        Qt::QueuedConnection);
}

int CountFiles(const QString& folder) {
    int n = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++n;
    }
    return n;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> tmp;  // fresh for every test
    QString Root() const { return tmp->path(); }
    QString Path(const QString& relative) const { return Root() + "/" + relative; }

    // A program whose folder boxes point at src and dst of the temp folder.
    std::unique_ptr<Program> ReadyProgram(int photos) {
        for (int i = 0; i < photos; ++i) MakePhoto(Path(QString("src/p%1.jpg").arg(i)), i);
        QDir().mkpath(Path("dst"));
        QDir().mkpath(Path("logs"));
        auto p = std::make_unique<Program>(Path("logs"));
        p->Edit("编辑框1")->setText(Path("src"));
        p->Edit("编辑框2")->setText(Path("dst"));
        return p;
    }

private slots:
    void init() {
        qputenv("TZ", "UTC");
        tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(tmp->isValid());
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("checked");
        auto row = [](const char* name, const char* kind, QRect g, const char* text, bool checked = false) {
            QTest::newRow(name) << QString::fromUtf8(name) << kind << g << QString::fromUtf8(text) << checked;
        };
        row("浏览源照片路径", "QPushButton", {8, 7, 144, 30}, "浏览源照片路径");
        row("编辑框1", "QLineEdit", {160, 8, 224, 30}, "源文件路径");
        row("置顶框", "QCheckBox", {389, 10, 44, 24}, "置顶");
        row("选择保存到路径", "QPushButton", {8, 45, 144, 30}, "选择保存到路径");
        row("编辑框2", "QLineEdit", {160, 45, 280, 30}, "保存照片路径");
        row("标签1", "QLabel", {7, 75, 88, 24}, "处理方式：");
        row("分组框1", "QGroupBox", {4, 83, 110, 53}, "");
        row("移动框", "QRadioButton", {8, 16, 48, 24}, "移动", true);
        row("复制框", "QRadioButton", {51, 16, 48, 24}, "复制");
        row("标签2", "QLabel", {114, 75, 88, 24}, "命名方式：");
        row("分组框2", "QGroupBox", {114, 83, 110, 53}, "");
        row("覆盖框", "QRadioButton", {1, 16, 48, 24}, "覆盖", true);
        row("重命名框", "QRadioButton", {43, 17, 60, 24}, "重命名");
        row("标签3", "QLabel", {223, 75, 88, 24}, "是否搜索子目录：");
        row("分组框3", "QGroupBox", {224, 83, 110, 53}, "");
        row("是框", "QRadioButton", {6, 16, 48, 24}, "是", true);
        row("否框", "QRadioButton", {58, 17, 36, 24}, "否");
        row("标签6", "QLabel", {337, 76, 88, 24}, "后缀名称：");
        row("分组框6", "QGroupBox", {334, 83, 110, 53}, "");
        row("组合框_后缀名称", "QComboBox", {346, 103, 90, 20}, "JPG");
        row("编辑框_自定义后缀", "QLineEdit", {347, 103, 72, 20}, "");
        row("标签4", "QLabel", {5, 135, 74, 24}, "照片名称方式");
        row("分组框4", "QGroupBox", {2, 140, 220, 50}, "");
        row("照片名称头", "QLineEdit", {6, 19, 56, 20}, "");
        row("组合框_照片名称方式", "QComboBox", {68, 159, 148, 20}, "年月日时分秒");
        row("标签5", "QLabel", {224, 135, 73, 24}, "目录整理方式");
        row("分组框5", "QGroupBox", {223, 140, 220, 50}, "");
        row("组合框_目录整理方式", "QComboBox", {226, 159, 216, 20}, "(主)2014年 (二级)12月 (三级)29日");
        row("超级列表框1", "QTableView", {2, 191, 446, 321}, "");
        row("取消退出", "QPushButton", {0, 512, 225, 50}, "取消退出");
        row("确认修改", "QPushButton", {225, 512, 225, 50}, "确认修改");
    }

    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(bool, checked);
        Program p(Root());
        auto* w = p.main->findChild<QWidget*>(name);
        QVERIFY2(w, qPrintable(name));
        QVERIFY(w->inherits(kind.toLatin1()));
        QCOMPARE(w->geometry(), geometry);
        QString actual;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            actual = b->text();
            QCOMPARE(b->isChecked(), checked);
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            actual = e->text();
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            actual = l->text();
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            actual = c->currentText();
            QCOMPARE(c->currentIndex(), 0);
            QVERIFY(!c->isEditable());
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            actual = g->title();
        }
        QCOMPARE(actual, text);
        QCOMPARE(w->isVisibleTo(p.main), name != QStringLiteral("编辑框_自定义后缀"));
    }

    void windowAndList() {
        Program p(Root());
        QCOMPARE(p.main->windowTitle(), QStringLiteral("Vorlith"));
        QCOMPARE(p.main->size(), QSize(450, 562));
        QCOMPARE(p.main->minimumSize(), p.main->maximumSize());
        QVERIFY(!(p.main->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(p.main->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(p.main->focusWidget(), p.Button("确认修改"));
        QCOMPARE(p.Combo("组合框_后缀名称")->count(), 8);
        QCOMPARE(p.Combo("组合框_照片名称方式")->count(), 5);
        QCOMPARE(p.Combo("组合框_目录整理方式")->count(), 6);
        auto* list = p.main->findChild<QTableView*>(QStringLiteral("超级列表框1"));
        QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("序号"));
        QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("图片地址"));
        QCOMPARE(list->columnWidth(0), 80);
        QCOMPARE(list->columnWidth(1), 360);
        QVERIFY(list->showGrid());
        QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(list->horizontalHeader()->sectionsClickable());
        QVERIFY(list->horizontalHeader()->sectionsMovable());
        QVERIFY(!list->isSortingEnabled());
        // The group titles lie above their group boxes.
        auto* title = p.main->findChild<QLabel*>(QStringLiteral("标签1"));
        auto* group = p.main->findChild<QGroupBox*>(QStringLiteral("分组框1"));
        QVERIFY(p.main->children().indexOf(title) > p.main->children().indexOf(group));
    }

    void browseHandlers() {
        Program p(Root());
        p.answers << "" << "/photos";
        QTest::mouseClick(p.Button("浏览源照片路径"), Qt::LeftButton);
        QCOMPARE(p.pickerPrompts.last(), QStringLiteral("请选择源照片目录:"));
        QCOMPARE(p.Edit("编辑框1")->text(), QString());
        QCOMPARE(p.PromptText(), QStringLiteral("请重新选择源照片目录！"));
        QTest::mouseClick(p.Button("浏览源照片路径"), Qt::LeftButton);
        QCOMPARE(p.Edit("编辑框1")->text(), QStringLiteral("/photos"));

        p.answers << "";
        QTest::mouseClick(p.Button("选择保存到路径"), Qt::LeftButton);
        QCOMPARE(p.pickerPrompts.last(), QStringLiteral("请选择照片要复制到目录:"));
        QCOMPARE(p.PromptText(), QStringLiteral("复制到目录为空，请重新选择！！"));
        QCOMPARE(p.hotKeys.registrations, 1);  // one window for both messages
    }

    void extensionHandler() {
        Program p(Root());
        auto* combo = p.Combo("组合框_后缀名称");
        auto* custom = p.Edit("编辑框_自定义后缀");
        p.Pick(combo, 7);
        QVERIFY(custom->isVisibleTo(p.main));
        QVERIFY(!custom->hasFocus());
        custom->setText("png");
        p.Pick(combo, 7);
        QCOMPARE(custom->text(), QStringLiteral("png"));
        p.Pick(combo, 2);
        QVERIFY(!custom->isVisibleTo(p.main));
        QCOMPARE(custom->text(), QString());
    }

    void confirmChecksInOrder() {
        Program p(Root());
        auto* confirm = p.Button("确认修改");
        p.Pick(p.Combo("组合框_后缀名称"), 7);
        QTest::mouseClick(confirm, Qt::LeftButton);
        QCOMPARE(p.PromptText(), QStringLiteral("请填写您自定义后缀的名称！！"));
        QVERIFY(p.pickerPrompts.isEmpty());

        p.Edit("编辑框_自定义后缀")->setText("pn/g");
        QTest::mouseClick(confirm, Qt::LeftButton);
        QCOMPARE(p.PromptText(), QStringLiteral("名称头或后缀名称含有非法字符！"));
        QVERIFY(p.pickerPrompts.isEmpty());
        p.Pick(p.Combo("组合框_后缀名称"), 0);

        p.answers << Path("src");
        QTest::mouseClick(confirm, Qt::LeftButton);
        QCOMPARE(p.pickerPrompts, QStringList{QStringLiteral("请选择源照片目录:")});
        p.answers << Path("dst");
        QTest::mouseClick(confirm, Qt::LeftButton);
        QCOMPARE(p.pickerPrompts.last(), QStringLiteral("请选择照片要复制到目录:"));
        QCOMPARE(confirm->text(), QStringLiteral("确认修改"));  // no job yet
        QDir().mkpath(Path("src"));
        QTest::mouseClick(confirm, Qt::LeftButton);
        QCOMPARE(confirm->text(), QStringLiteral("处理完成！"));
        QCOMPARE(p.PromptText(), QStringLiteral("照片整理完成！共计： 0 张"));
    }

    void wholeJobThroughTheWindow() {
        auto p = ReadyProgram(3);
        p->Check("否框")->click();
        QTest::mouseClick(p->Button("确认修改"), Qt::LeftButton);
        QCOMPARE(p->main->Results().TotalRows(), 3);
        QCOMPARE(p->main->Results().rowCount(), 3);  // every row published at the end
        QCOMPARE(QString::fromStdString(p->main->Results().Cell(0, 0)), QStringLiteral("1 张"));
        QCOMPARE(p->Button("确认修改")->text(), QStringLiteral("处理完成！"));
        QVERIFY2(!p->Prompt(), "a flat job without failures ends without a prompt");
        QCOMPARE(CountFiles(Path("src")), 0);
        QCOMPARE(CountFiles(Path("dst/2014年/3月/5日")), 3);
        QCOMPARE(CountFiles(Path("logs")), 1);
        // A click that fails validation empties the list.
        p->Edit("编辑框2")->clear();
        QTest::mouseClick(p->Button("确认修改"), Qt::LeftButton);
        QCOMPARE(p->main->Results().TotalRows(), 0);
    }

    void optionsChangedBetweenFiles() {
        auto p = ReadyProgram(2);
        p->Check("否框")->click();
        BeforeSecondFile(p->main, [&] { p->Check("复制框")->click(); });
        QTest::mouseClick(p->Button("确认修改"), Qt::LeftButton);
        QCOMPARE(p->main->Results().TotalRows(), 2);
        QCOMPARE(CountFiles(Path("src")), 1);  // first moved, second copied
    }

    void noJobInsideAJob() {
        auto p = ReadyProgram(3);
        p->Check("否框")->click();
        int nestedRows = -1;
        BeforeSecondFile(p->main, [&] {
            p->Combo("组合框_后缀名称")->setCurrentIndex(2);
            QTest::mouseClick(p->Button("确认修改"), Qt::LeftButton);
            nestedRows = p->main->Results().TotalRows();
        });
        QTest::mouseClick(p->Button("确认修改"), Qt::LeftButton);
        QCOMPARE(nestedRows, 1);  // the second click neither emptied the list nor ran
        QCOMPARE(p->main->Results().TotalRows(), 3);
        QCOMPARE(CountFiles(Path("dst/2014年/3月/5日")), 3);
        QVERIFY2(QFile::exists(Path("dst/2014年/3月/5日/201435920.JPG")), "named with the job's own extension");
    }

    void closingDuringAJobEndsItCleanly() {
        auto p = ReadyProgram(5);
        p->Check("否框")->click();
        BeforeSecondFile(p->main, [&] { p->Button("取消退出")->click(); });
        QTest::mouseClick(p->Button("确认修改"), Qt::LeftButton);
        Program::Serve();
        QVERIFY2(!p->main, "destroyed once the job returned");
        QVERIFY(!p->shell->AnyWindow());
        const int placed = CountFiles(Path("dst"));
        // The click comes before the second file; its destruction is carried out
        // when the queue is next served, before the third.
        QCOMPARE(placed, 2);
        QCOMPARE(CountFiles(Path("src")), 3);
        QDir logs(Path("logs"));
        const auto files = logs.entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QFile log(logs.filePath(files[0]));
        log.open(QIODevice::ReadOnly);
        QCOMPARE(log.readAll().count("\r\n"), placed);  // pending log lines written
    }

    void enterMovesTheFocusEscCloses() {
        Program p(Root());
        p.main->activateWindow();
        auto* source = p.Edit("编辑框1");
        source->setFocus();
        QTest::keyClick(source, Qt::Key_Return);
        QVERIFY(!source->hasFocus());
        QSignalSpy clicked(p.Button("确认修改"), &QPushButton::clicked);
        p.Button("确认修改")->setFocus();
        QTest::keyClick(p.Button("确认修改"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clicked.count(), 0);
        QTest::keyClick(p.main, Qt::Key_Escape);
        Program::Serve();
        QVERIFY(!p.main);
    }

    void stayOnTop() {
        Program p(Root());
        const QRect before = p.main->geometry();
        p.Check("置顶框")->click();
        QVERIFY(p.main->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(p.main->geometry(), before);
        QVERIFY(p.main->isVisible());
        p.Check("置顶框")->click();
        QVERIFY(!(p.main->windowHandle()->flags() & Qt::WindowStaysOnTopHint));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
