#pragma once

// Shared helpers of the window tests: a private home folder for the settings store and the
// data folder, scripted prompts, and the program's windows made fresh for each test.

#include "gui/appwindows.h"
#include "gui/formmain.h"
#include "gui/programcontext.h"
#include "gui/prompts.h"
#include "l10n/localization.h"
#include "l10n/settings.h"
#include "l10n/units.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>

namespace velmora::test {

// Points HOME and the XDG folders at a fresh folder of the build tree (the one ctest names,
// or a temporary one when the program runs by itself). Must run before QApplication.
inline void PrepareTestHome()
{
    QByteArray home = qgetenv("VELMORA_TEST_HOME");
    if (home.isEmpty())
        home = QDir::tempPath().toLocal8Bit() + "/velmora-gui-test-"
            + QByteArray::number(qint64(::getpid()));
    QDir(QString::fromLocal8Bit(home)).removeRecursively();
    QDir().mkpath(QString::fromLocal8Bit(home + "/runtime"));
    QFile::setPermissions(QString::fromLocal8Bit(home + "/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/config");
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("XDG_RUNTIME_DIR", home + "/runtime");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The windows the main window of the test made and owns; all null while there is none.
inline const AppWindows &Windows()
{
    static const AppWindows none;
    const TFormMain *main = MainWindow();
    return main ? main->OwnWindows() : none;
}

// Where every window test starts: a context of its own over store, with the English texts,
// the daN-based units and an empty catalogue. While it lives it is the program's (Program()).
inline std::unique_ptr<ProgramContext> StartInEnglish(SettingsStore &store)
{
    auto program = std::make_unique<ProgramContext>(store, "English (United States)");
    program->SetLanguage(0);
    program->SetUnits(0);
    return program;
}

// Prompts that answer from a script and record what was asked. Every box and dialog that
// the script does not expect fails the test.
class ScriptedPrompts : public Prompts
{
public:
    struct Asked
    {
        QString kind; // "Error", "Warning", "WarningYesNo", "Question", "Message", "Open", "Save",
                      // "Exec", "OpenDocument"
        QString text; // the box text, the dialog's object name, or the document's path
    };

    ScriptedPrompts() { SetPrompts(this); }
    ~ScriptedPrompts() override { SetPrompts(nullptr); }

    // Answers, taken in order by the kind that asks.
    std::deque<bool> yesNo; // Question and WarningYesNo
    std::deque<QString> fileNames; // Open and Save ("" = cancelled)
    std::deque<std::function<int(QDialog &)>> dialogs; // Exec
    std::deque<bool> opened; // OpenDocument: whether the system opened it (true when empty)
    QList<Asked> asked;

    QStringList Kinds() const
    {
        QStringList kinds;
        for (const Asked &a : asked)
            kinds << a.kind;
        return kinds;
    }
    QString Last(const QString &kind) const
    {
        for (auto it = asked.crbegin(); it != asked.crend(); ++it) {
            if (it->kind == kind)
                return it->text;
        }
        return {};
    }
    FileDialogRequest lastFileDialog;

    void Error(const QString &text) override { asked.append({QStringLiteral("Error"), text}); }
    void Warning(const QString &text) override { asked.append({QStringLiteral("Warning"), text}); }
    bool WarningYesNo(const QString &text) override
    {
        asked.append({QStringLiteral("WarningYesNo"), text});
        return Take(yesNo, "WarningYesNo");
    }
    bool Question(const QString &text) override
    {
        asked.append({QStringLiteral("Question"), text});
        return Take(yesNo, "Question");
    }
    void Message(const QString &text) override { asked.append({QStringLiteral("Message"), text}); }
    QString OpenFileName(const FileDialogRequest &request) override
    {
        lastFileDialog = request;
        asked.append({QStringLiteral("Open"), request.title});
        return Take(fileNames, "Open");
    }
    QString SaveFileName(const FileDialogRequest &request) override
    {
        lastFileDialog = request;
        asked.append({QStringLiteral("Save"), request.title});
        return Take(fileNames, "Save");
    }
    int Exec(QDialog &dialog) override
    {
        asked.append({QStringLiteral("Exec"), dialog.objectName()});
        auto script = Take(dialogs, "Exec");
        return script ? script(dialog) : QDialog::Rejected;
    }
    bool OpenDocument(const QString &path) override
    {
        asked.append({QStringLiteral("OpenDocument"), path});
        if (opened.empty())
            return true;
        const bool answer = opened.front();
        opened.pop_front();
        return answer;
    }

private:
    template<typename T> T Take(std::deque<T> &answers, const char *kind)
    {
        if (answers.empty()) {
            QTest::qFail(qPrintable(QStringLiteral("unexpected %1").arg(QLatin1String(kind))),
                         __FILE__, __LINE__);
            return T {};
        }
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A dialog script: press OK / Cancel.
inline int Accept(QDialog &dialog)
{
    dialog.accept();
    return dialog.result();
}
inline int Reject(QDialog &dialog)
{
    dialog.reject();
    return dialog.result();
}

} // namespace velmora::test

// main() of a window test: a private home, then the application, then the test object.
#define VELMORA_GUI_TEST_MAIN(TestObject)                                                          \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        velmora::test::PrepareTestHome();                                                          \
        QApplication app(argc, argv);                                                              \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
