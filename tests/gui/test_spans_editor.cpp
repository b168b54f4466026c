// Typing spans as a user does: keys into the cells of the stringing window's span list, the
// span actions, and a span that is no number against the project's save.

#include "guitest.h"

#include "example_project.h"
#include "example_wire.h"

#include "catalogue/catalogue.h"
#include "data/projectfile.h"
#include "gui/document/projectdocument.h"
#include "gui/formmain.h"
#include "gui/platform.h"
#include "gui/stringing/formstringing.h"
#include "gui/stringing/formstringing_ui.h"
#include "gui/stringing/spanseditor.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

using namespace velmora;
using namespace velmora::test;

namespace {

TFormMain *Main()
{
    return Windows().FormMain;
}

TFormStringing *Window()
{
    return Windows().FormStringing;
}

SpansEditor *Editor()
{
    return Window()->Widgets().spansEditor;
}

std::vector<double> Spans()
{
    return Main()->CurProject.Sections.Items(0).Spans;
}

// Where a key goes: the open cell editor, else the list itself.
QWidget *KeyTarget()
{
    for (QLineEdit *edit : Editor()->findChildren<QLineEdit *>()) {
        if (edit->isVisible())
            return edit;
    }
    return Editor();
}

// Keys as typed: "230\n260\n" is 230 Enter 260 Enter, "\v" is Down.
void Type(const QString &keys)
{
    for (const QChar c : keys) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(KeyTarget(), Qt::Key_Return);
        else if (c == QLatin1Char('\v'))
            QTest::keyClick(KeyTarget(), Qt::Key_Down);
        else
            QTest::keyClick(KeyTarget(), c.toLatin1());
        QCoreApplication::processEvents();
    }
}

} // namespace

class SpansEditorTest : public QObject
{
    Q_OBJECT

    QtSettingsStore m_store;

    std::unique_ptr<ProgramContext> m_program;
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        m_program = StartInEnglish(m_store);
        CreateAppWindows(Program());
        OpenShippedExampleAsNew(*Main());
        Main()->show();
        Main()->findChild<QAction *>("ActStringing")->trigger();
        Editor()->setFocus();
    }
    void cleanup()
    {
        DestroyAppWindows();
        Program().Catalogue().Clear();
        m_program.reset();
    }

    // Enter and Down take what was typed and go on to the next row; nothing typed is lost
    // or run together with the next span.
    void enterAndDownTakeTheSpanAndMoveOn_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("Enter on the empty last row")
            << 5 << "230\n260\n"
            << QStringList {"120", "150", "180", "160", "135", "230", "260"};
        QTest::newRow("Down on the empty last row")
            << 5 << "230\v245\v" << QStringList {"120", "150", "180", "160", "135", "230", "245"};
        QTest::newRow("Enter over spans") << 1 << "155\n185\n"
                                          << QStringList {"120", "155", "185", "160", "135"};
        QTest::newRow("Down over spans")
            << 0 << "125\v152\v" << QStringList {"125", "152", "180", "160", "135"};
    }
    void enterAndDownTakeTheSpanAndMoveOn()
    {
        QFETCH(int, row);
        QFETCH(QString, keys);
        QFETCH(QStringList, texts);
        ScriptedPrompts prompts;
        Editor()->setCurrentCell(row, 0);
        Type(keys);
        QCOMPARE(Editor()->Texts(), texts);
        std::vector<double> expected;
        for (const QString &text : texts)
            expected.push_back(text.toDouble());
        QCOMPARE(Spans(), expected);
        QCOMPARE(Editor()->currentRow(), row + 2);
        QVERIFY(Main()->isWindowModified());
        QVERIFY(prompts.asked.isEmpty());
    }

    void spansAreInsertedAndDeletedByTheirActions()
    {
        ScriptedPrompts prompts;
        Editor()->setCurrentCell(1, 0);
        QTest::keyClick(Editor(), Qt::Key_Insert);
        QCOMPARE(Editor()->currentRow(), 1);
        Type("140\n");
        QCOMPARE(Spans(), (std::vector<double> {120, 140, 150, 180, 160, 135}));
        QCOMPARE(Editor()->currentRow(), 2);

        // The button and the context menu's action delete the current span.
        Window()->Widgets().deleteSpanButton->click();
        QCOMPARE(Spans(), (std::vector<double> {120, 140, 180, 160, 135}));
        Editor()->setCurrentCell(4, 0);
        QTest::keyClick(Editor(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(Spans(), (std::vector<double> {120, 140, 180, 160}));
        // The empty last row is not a span to delete.
        Editor()->setCurrentCell(4, 0);
        Editor()->DeleteAction()->trigger();
        QCOMPARE(Editor()->rowCount(), 5);
        QVERIFY(Editor()->actions().contains(Editor()->InsertAction()));
        QCOMPARE(Editor()->DeleteAction()->text(), "Delete span");
        QVERIFY(Main()->isWindowModified());
        QVERIFY(prompts.asked.isEmpty());
    }

    // What was typed is unsaved work even while it is no number: the project is marked, and
    // its save is refused naming the span instead of writing the spans before it.
    void aSpanThatIsNoNumberIsRefusedOnSave()
    {
        ScriptedPrompts prompts;
        const QString path = m_dir.filePath("line.vlp");
        Main()->Document().SetFileName(path);
        Editor()->setCurrentCell(2, 0);
        Type("18o\n");
        QVERIFY(Main()->isWindowModified());
        QCOMPARE(prompts.Kinds(), QStringList {"Error"});

        Main()->findChild<QAction *>("ActProjectSave")->trigger();
        QCOMPARE(prompts.Kinds(), (QStringList {"Error", "Error"}));
        QCOMPARE(prompts.Last("Error"),
                 "The project is not saved. Span 3 of anchor section \"Анкерный участок 1\": "
                 "\"18o\" is not a number.\nCorrect or delete that span in the stringing "
                 "tables first.");
        QVERIFY(!QFile::exists(path));
        QVERIFY(Window()->isVisible());

        // Deleting the span makes the list whole again: the project saves.
        Editor()->setCurrentCell(2, 0);
        Editor()->DeleteAction()->trigger();
        QCOMPARE(Spans(), (std::vector<double> {120, 150, 160, 135}));
        Main()->findChild<QAction *>("ActProjectSave")->trigger();
        QVERIFY(QFile::exists(path));
        QCOMPARE(prompts.Last("Message"), "File is successfully saved.");
    }

    // A paste or an import shows the spans as read ("120,150" is one span with a decimal
    // comma) and changes nothing unless the user takes them.
    void pastedAndImportedSpansAreShownAsReadFirst()
    {
        ScriptedPrompts prompts;
        prompts.yesNo = {false, true};
        Editor()->setCurrentCell(0, 0);
        Window()->PasteSpans("120,15\r\n180,2 abc\r\n");
        QCOMPARE(prompts.Last("Question"), "Read as 3 span(s): 120.15; 180.2; «abc»\n\nTake them?");
        QCOMPARE(Spans(), (std::vector<double> {120, 150, 180, 160, 135}));
        QCOMPARE(Editor()->Texts(), (QStringList {"120", "150", "180", "160", "135"}));

        const QString file = m_dir.filePath("spans.txt");
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("210,5\n230\n");
        out.close();
        prompts.fileNames = {file};
        Window()->Widgets().importButton->click();
        QCOMPARE(prompts.Kinds(), (QStringList {"Question", "Open", "Question"}));
        QCOMPARE(prompts.Last("Question"), "Read as 2 span(s): 210.5; 230\n\nTake them?");
        QCOMPARE(Spans(), (std::vector<double> {210.5, 230}));
    }
};

VELMORA_GUI_TEST_MAIN(SpansEditorTest)
#include "test_spans_editor.moc"
