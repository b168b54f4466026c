// F1 and the manuals: every window has its section in the manual of each language, and F1
// opens the manual of the current language at that section's page.

#include "guitest.h"

#include "gui/formklimatkoef.h"
#include "gui/formmain.h"
#include "gui/helpbrowser.h"
#include "gui/helptopics.h"
#include "gui/platform.h"
#include "gui/program.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QDialog>
#include <QDockWidget>
#include <QFile>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>

using namespace velmora;
using namespace velmora::test;

namespace {

// The manual's .pages file built beside the program (and beside this test).
QString PagesFile(const QString &language)
{
    return ApplicationDir() + HelpBaseName + QLatin1Char('_') + language + QStringLiteral(".pages");
}

QStringList AnchorsOf(const QString &pagesPath)
{
    QFile file(pagesPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(pagesPath));
    QStringList anchors;
    while (!file.atEnd())
        anchors << QString::fromUtf8(file.readLine().split('\t').first());
    return anchors;
}

HelpBrowser *Browser()
{
    return Windows().FormMain->findChild<HelpBrowser *>("HelpBrowser");
}

QString Expected(const QString &language, const QString &anchor)
{
    return ApplicationDir() + HelpBaseName + QLatin1Char('_') + language
        + QStringLiteral(".pdf#page=%1").arg(HelpPageOf(PagesFile(language), anchor));
}

} // namespace

class HelpTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_program = StartInEnglish(m_store);
        CreateAppWindows(Program());
        Windows().FormMain->show();
    }
    void cleanup()
    {
        DestroyAppWindows();
        m_program.reset();
    }

    void everyWindowHasItsSectionInBothManuals()
    {
        const QStringList english = AnchorsOf(PagesFile(QStringLiteral("en")));
        const QStringList russian = AnchorsOf(PagesFile(QStringLiteral("ru")));
        // The two manuals have the same sections in the same order.
        QCOMPARE(russian, english);
        for (const HelpTopic &topic : HelpTopics())
            QVERIFY2(english.contains(QLatin1String(topic.anchor)), topic.anchor);

        // Each window finds its own row, not its owner's: a dialog added without a row would
        // open the main window's section.
        QList<QWidget *> windows {Windows().FormMain};
        for (QWidget *child : Windows().FormMain->findChildren<QWidget *>()) {
            if ((child->isWindow() && qobject_cast<QDialog *>(child))
                || qobject_cast<QDockWidget *>(child))
                windows << child;
        }
        QVERIFY(windows.size() >= 10);
        for (QWidget *window : windows) {
            bool listed = false;
            for (const HelpTopic &topic : HelpTopics())
                listed = listed || window->objectName() == QLatin1String(topic.objectName);
            QVERIFY2(listed, qPrintable(window->objectName() + " has no help topic"));
        }
    }

    // F1 opens the manual's window at the focused window's section, in the current language;
    // nothing is handed to the desktop (whose PDF opener drops the page).
    void f1OpensTheSectionOfTheFocusedWindowInTheCurrentLanguage()
    {
        ScriptedPrompts prompts;
        TFormKlimatKoef *climatic = Windows().FormKlimatKoef;
        climatic->show();
        QWidget *field = climatic->findChild<QAbstractSpinBox *>();
        QVERIFY(field);
        QTest::keyClick(field, Qt::Key_F1);
        HelpBrowser *help = Browser();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->Source().fragment(), "climatic");
        QVERIFY2(help->Source().toLocalFile().startsWith(ApplicationDir() + "help/en/"),
                 qPrintable(help->Source().toString()));
        QVERIFY(help->Text()->toPlainText().contains("Climatic"));
        QCOMPARE(help->Contents()->currentItem()->data(0, Qt::UserRole).toString(), "climatic");
        climatic->hide();

        Program().SetLanguage(1);
        auto *mainField = Windows().FormMain->findChild<QAbstractSpinBox *>("T_Max");
        QTest::keyClick(mainField, Qt::Key_F1);
        QCOMPARE(help->Source().fragment(), "main-window");
        QVERIFY(help->Source().toLocalFile().startsWith(ApplicationDir() + "help/ru/"));
        QCOMPARE(help->windowTitle(), "Руководство Velmora");

        // With a modifier F1 is not the manual's key.
        help->OpenAt("units");
        QTest::keyClick(mainField, Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(help->Source().fragment(), "units");
        QVERIFY(prompts.asked.isEmpty());
    }

    // The window's contents list every chapter, its search finds sections in every chapter,
    // and back and forward retrace the sections read.
    void theManualsWindowHasContentsSearchAndHistory()
    {
        ScriptedPrompts prompts;
        Windows().FormMain->findChild<QAction *>("ActHelp")->trigger();
        HelpBrowser *help = Browser();
        QVERIFY(help);
        QCOMPARE(help->Source().fragment(), HelpContentsAnchor);
        QVERIFY(help->Contents()->topLevelItemCount() >= 12);

        const QStringList found = help->Search("critical span");
        QVERIFY2(found.contains("results-summary") && found.size() >= 3,
                 qPrintable(found.join(' ')));
        QCOMPARE(help->Results()->count(), found.size());
        QVERIFY(help->Search("qqzzqq").isEmpty());
        QCOMPARE(help->Results()->item(0)->text(), "Nothing found for \"qqzzqq\".");

        help->OpenAt("units");
        help->OpenAt("climatic");
        auto *back = help->findChild<QPushButton *>("HelpBack");
        auto *forward = help->findChild<QPushButton *>("HelpForward");
        QVERIFY(back->isEnabled());
        back->click();
        QCOMPARE(help->Source().fragment(), "units");
        QVERIFY(forward->isEnabled());
        forward->click();
        QCOMPARE(help->Source().fragment(), "climatic");
        QVERIFY(prompts.asked.isEmpty());
    }

    // The PDF stays for printing: its button opens it at the section shown; when the system
    // does not open it (no file, no viewer) a warning names the PDF in the program's language.
    void aManualThatDoesNotOpenIsReported()
    {
        ScriptedPrompts prompts;
        prompts.opened = {false, false};
        Windows().FormMain->findChild<QAction *>("ActHelp")->trigger();
        QPushButton *pdf = Browser()->findChild<QPushButton *>("HelpPdf");
        pdf->click();
        const QString english = ApplicationDir() + HelpBaseName + "_en.pdf";
        QCOMPARE(prompts.Kinds(), (QStringList {"OpenDocument", "Warning"}));
        QCOMPARE(prompts.asked.at(0).text, english);
        QCOMPARE(prompts.Last("Warning"),
                 "The manual \"" + english
                     + "\" cannot be opened: the file is missing or no program on this system "
                       "opens PDF files.");

        Program().SetLanguage(1);
        QTest::keyClick(Windows().FormMain->findChild<QAbstractSpinBox *>("T_Max"), Qt::Key_F1);
        pdf->click();
        QCOMPARE(prompts.Kinds(),
                 (QStringList {"OpenDocument", "Warning", "OpenDocument", "Warning"}));
        QCOMPARE(prompts.Last("OpenDocument"), Expected("ru", "main-window"));
        QVERIFY(HelpPageOf(PagesFile("ru"), "main-window") > 1);
        QVERIFY2(prompts.Last("Warning").startsWith("Не удалось открыть руководство \""
                                                    + ApplicationDir() + HelpBaseName
                                                    + "_ru.pdf\": "),
                 qPrintable(prompts.Last("Warning")));
    }

    void pageIndexIsReadStrictly()
    {
        QTemporaryDir dir;
        const QString pages = dir.filePath("VELMORA_en.pages");
        QFile file(pages);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("contents\t1\tVelmora\nclimatic\t7\t3.1 Climatic\nno tab here\n"
                   "units\tseven\t3.3 Units\nabout\t0\t3.4 About\n");
        file.close();
        QCOMPARE(HelpPageOf(pages, "climatic"), 7);
        QCOMPARE(HelpPageOf(pages, "units"), 0);
        QCOMPARE(HelpPageOf(pages, "about"), 0);
        QCOMPARE(HelpPageOf(pages, "missing"), 0);
        QCOMPARE(HelpPageOf(dir.filePath("none.pages"), "climatic"), 0);

        // A page that is not known opens the whole manual.
        ScriptedPrompts prompts;
        OpenHelpAt(dir.path() + "/", HelpBaseName, "units");
        QCOMPARE(prompts.Last("OpenDocument"), dir.path() + "/VELMORA_en.pdf");
        OpenHelpAt(dir.path() + "/", HelpBaseName, "climatic");
        QCOMPARE(prompts.Last("OpenDocument"), dir.path() + "/VELMORA_en.pdf#page=7");
    }

private:
    QtSettingsStore m_store;
    std::unique_ptr<ProgramContext> m_program;
};

VELMORA_GUI_TEST_MAIN(HelpTest)
#include "test_help.moc"
