// A whole desktop program in one test: the shell with a scripted folder
// picker and a counting Enter key, over a temporary folder.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "enter_hotkey.h"
#include "main_window.h"
#include "prompt_window.h"
#include "run_texts.h"
#include "window_shell.h"

namespace vorlith::test {

class CountingHotKeys final : public ui::HotKeyService {
public:
    int Register(std::function<void()> onPress) override {
        ++registrations;
        if (refuse) return 0;
        press = std::move(onPress);
        return ++lastId;
    }
    void Release(int id) override {
        releases.push_back(id);
        if (id != 0) press = nullptr;
    }
    int registrations = 0;
    std::vector<int> releases;
    int lastId = 0;
    bool refuse = false;
    std::function<void()> press;  // simulates Enter pressed anywhere
};

struct Program {
    explicit Program(QString logFolder) {
        shell = std::make_unique<app::WindowShell>(
            texts, logFolder.toStdString(),
            [this](QWidget*, const QString& prompt) {
                pickerPrompts << prompt;
                return answers.isEmpty() ? QString() : answers.takeFirst();
            },
            hotKeys);
        main = qobject_cast<ui::MainWindow*>(shell->LoadWindow(ui::WindowKind::Main));
    }

    template <typename W>
    W* Control(const char* name) const {
        return main ? main->findChild<W*>(QString::fromUtf8(name)) : nullptr;
    }
    QLineEdit* Edit(const char* name) const { return Control<QLineEdit>(name); }
    QPushButton* Button(const char* name) const { return Control<QPushButton>(name); }
    QComboBox* Combo(const char* name) const { return Control<QComboBox>(name); }
    QAbstractButton* Check(const char* name) const { return Control<QAbstractButton>(name); }
    ui::PromptWindow* Prompt() const {
        return qobject_cast<ui::PromptWindow*>(shell->Existing(ui::WindowKind::Prompt));
    }
    QString PromptText() const { return Prompt() ? Prompt()->Message() : QString(); }
    void Pick(QComboBox* combo, int index) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Serves the queue once, as the main loop would.
    static void Serve() { QCoreApplication::processEvents(); }

    RunTexts texts;
    CountingHotKeys hotKeys;
    QStringList answers;
    QStringList pickerPrompts;
    std::unique_ptr<app::WindowShell> shell;
    QPointer<ui::MainWindow> main;
};

}  // namespace vorlith::test
