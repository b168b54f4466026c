#include "guitest.h"

#include "example_project.h"
#include "example_wire.h"

#include "calc/preparation.h"
#include "calc/spangeometry.h"
#include "calc/spotting.h"
#include "catalogue/catalogue.h"
#include "common/numtext.h"
#include "data/projectfile.h"
#include "fake_settings.h"
#include "gui/document/projectdocument.h"
#include "gui/formmain.h"
#include "gui/platform.h"
#include "gui/profile/formprofile.h"
#include "gui/profile/profilecheck.h"
#include "gui/profile/profileview.h"
#include "l10n/units.h"
#include "templates/linedesign.h"
#include "xls/workbook.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGraphicsEllipseItem>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUndoStack>
#include <QWheelEvent>

#include <cmath>

#include <sys/stat.h>

using namespace velmora;
using namespace velmora::test;

namespace {

TFormMain *Main()
{
    return Windows().FormMain;
}

TFormProfile *Window()
{
    return Windows().FormProfile;
}

std::vector<Tower> &Towers()
{
    return Main()->CurProject.Line.towers;
}

QString Cell(int row, int col)
{
    const QTableWidgetItem *item = Window()->TowerTable()->item(row, col);
    return item ? item->text() : QString();
}

QString Fixed(double value)
{
    return QString::number(value, 'f', 2);
}

// The check of the core for the project's line with template 0, as velmora-calc line runs it.
LineCheck CoreCheck()
{
    const TProject &project = Main()->CurProject;
    const PreparedCalculation prepared
        = PrepareCalculation(project, Program().Catalogue(), Lang::English, SpanUse::OwnSpans);
    return RunLineCheck(project, project.Line, 0, prepared.wire, Lang::English);
}

// The viewport point of a tower's foot.
QPoint FootOf(int index)
{
    ProfileView *view = Window()->View();
    const Tower &tower = Towers()[static_cast<std::size_t>(index)];
    const LineProfile &line = Main()->CurProject.Line;
    double z = 0;
    for (std::size_t i = 1; i < line.ground.size(); ++i) {
        if (line.ground[i].x >= tower.station) {
            const GroundPoint &a = line.ground[i - 1], &b = line.ground[i];
            z = a.z + (b.z - a.z) * (tower.station - a.x) / (b.x - a.x);
            break;
        }
    }
    return view->mapFromScene(view->ScenePoint(tower.station, z + 2));
}

void WriteText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray Head(const QString &path, int bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

void Trigger(const char *action)
{
    Window()->findChild<QAction *>(QString::fromLatin1(action))->trigger();
}

void MoveMouse(QWidget *viewport, QPoint to)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(to), viewport->mapToGlobal(QPointF(to)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
}

} // namespace

class ProfileWindowTest : public QObject
{
    Q_OBJECT

private:
    FakeSettingsStore m_store;
    std::unique_ptr<ProgramContext> m_program;
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        m_program = StartInEnglish(m_store);
        CreateAppWindows(Program());
        OpenShippedExampleAsNew(*Main());
        Main()->show();
        Main()->findChild<QAction *>("ActProfile")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(Window()));
    }
    void cleanup()
    {
        DestroyAppWindows();
        Program().Catalogue().Clear();
        m_program.reset();
    }

    void theMenuAndTheToolbarOpenTheCoresCheck()
    {
        QAction *action = Main()->findChild<QAction *>("ActProfile");
        QVERIFY(Main()->findChild<QMenu *>("MI_Calculation")->actions().contains(action));
        QVERIFY(Main()->findChild<QToolBar *>("ToolBar")->actions().contains(action));
        QCOMPARE(action->text(), "Line profile");
        QCOMPARE(Window()->windowTitle(), "Line profile");
        QCOMPARE(Window()->TemplateIndex(), 0);
        QVERIFY2(Window()->Check().has_value(), qPrintable(Window()->Refusal()));

        const LineCheck core = CoreCheck();
        QCOMPARE(Window()->TowerTable()->rowCount(), 11);
        for (int row = 0; row < 11; ++row) {
            const auto i = static_cast<std::size_t>(row);
            const LineTowerResult &t = core.towers[i];
            QCOMPARE(Cell(row, 1), Fixed(t.station));
            QCOMPARE(Cell(row, 3), Fixed(t.ground));
            QCOMPARE(Cell(row, 4), Fixed(t.attachment));
            QCOMPARE(Cell(row, 6), t.inner ? Fixed(t.spans.wind) : QString());
            QCOMPARE(Cell(row, 7), t.inner ? Fixed(t.spans.weight) : QString());
            QCOMPARE(Cell(row, 8), t.inner ? Fixed(t.spans.weightCold) : QString());
            if (row < 10) {
                QCOMPARE(Cell(row, 5), Fixed(core.spans[i].design.length));
                QCOMPARE(Cell(row, 9), Fixed(core.spans[i].design.ground.clearance));
            }
            auto *type = qobject_cast<QComboBox *>(Window()->TowerTable()->cellWidget(row, 2));
            QCOMPARE(type->currentIndex(), Towers()[i].type);
        }
        QCOMPARE(Window()->ViolationList()->count(),
                 core.violations.empty() ? 1 : static_cast<int>(core.violations.size()));
        QVERIFY(Window()->RulingLine()->text().startsWith(
            "Ruling span " + QString::number(core.rulingSpan, 'f', 1) + " m"));
    }

    void draggingATowerMovesItByGridStepsAndUndoRestoresIt()
    {
        const std::vector<Tower> before = Towers();
        QWidget *viewport = Window()->View()->viewport();
        const QPoint from = FootOf(2);
        // The screen's metres per pixel: the drag goes about 23 m.
        const double per100
            = Window()->View()->StationAt(Window()->View()->mapToScene(from + QPoint(100, 0)))
            - Window()->View()->StationAt(Window()->View()->mapToScene(from));
        const int dx = static_cast<int>(std::lround(23 / per100 * 100));
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        MoveMouse(viewport, from + QPoint(dx / 2, 0));
        MoveMouse(viewport, from + QPoint(dx, 0));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, from + QPoint(dx, 0));

        const double moved = Towers()[2].station - before[2].station;
        QVERIFY2(moved > 15 && moved < 30, qPrintable(QString::number(moved)));
        QCOMPARE(std::fmod(Towers()[2].station, 5.0), 0.0);
        QCOMPARE(Window()->UndoStack()->count(), 1);
        QCOMPARE(Cell(2, 1), Fixed(Towers()[2].station));
        QCOMPARE(Cell(1, 5), Fixed(Towers()[2].station - Towers()[1].station));
        QCOMPARE(Window()->TowerTable()->currentRow(), 2);
        QCOMPARE(Cell(2, 6), Fixed(CoreCheck().towers[2].spans.wind));
        // The main window's mark and its save prompt cover the edit.
        QVERIFY(Main()->isWindowModified());
        ScriptedPrompts prompts;
        prompts.dialogs = {Reject};
        Main()->findChild<QAction *>("ActProjectNew")->trigger();
        QCOMPARE(prompts.Kinds(), QStringList {"Exec"});
        QCOMPARE(Towers()[2].station, before[2].station + moved);

        Window()->UndoStack()->undo();
        QVERIFY(Towers() == before);
        QCOMPARE(Cell(2, 1), Fixed(before[2].station));
        QVERIFY(!Main()->isWindowModified());
        Window()->UndoStack()->redo();
        QCOMPARE(Towers()[2].station, before[2].station + moved);
    }

    // While a tower is dragged, its rings move with every step and the list of wrapped texts
    // waits; dropped, the list says what the core says of the new place.
    void theRingsFollowEveryStepAndTheListTheDrop()
    {
        LineProfile low = Main()->CurProject.Line;
        low.types[1].height = 8;
        Main()->Document().EditLine(low, "Tower type");
        auto listed = [] {
            QStringList texts;
            for (int i = 0; i < Window()->ViolationList()->count(); ++i)
                texts << Window()->ViolationList()->item(i)->text();
            return texts;
        };
        auto coreTexts = [] {
            QStringList texts;
            for (const std::string &text : CoreCheck().violations)
                texts << QString::fromStdString(text);
            return texts;
        };
        auto rings = [] {
            int count = 0;
            for (QGraphicsItem *item : Window()->View()->scene()->items())
                count += item->type() == QGraphicsEllipseItem::Type;
            return count;
        };
        const QStringList before = listed();
        QVERIFY(!before.isEmpty());
        QCOMPARE(before, coreTexts());
        QCOMPARE(rings(), static_cast<int>(before.size()));

        QWidget *viewport = Window()->View()->viewport();
        const QPoint from = FootOf(2);
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        MoveMouse(viewport, from + QPoint(60, 0));
        QVERIFY(coreTexts() != before);
        QCOMPARE(listed(), before);
        QCOMPARE(rings(), static_cast<int>(CoreCheck().violations.size()));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, from + QPoint(60, 0));
        QCOMPARE(listed(), coreTexts());
        QCOMPARE(rings(), static_cast<int>(CoreCheck().violations.size()));
    }

    void theTemplateChoiceListsTheTemplatesWithAType()
    {
        TShablonList &templates = Main()->CurProject.Shablons;
        TShablon plain = templates.Items(0);
        plain.Name = "Curves only";
        plain.TipShablona = -1;
        TShablon ice = templates.Items(0);
        ice.Name = "Under ice";
        ice.TipShablona = 1;
        ice.MG = 2000;
        ice.MV = 200;
        templates.Add(plain);
        const int iceIndex = templates.Add(ice);
        Window()->hide();
        Window()->show();
        QComboBox *box = Window()->TemplateBox();
        QCOMPARE(box->count(), templates.Count() - 1);
        QCOMPARE(box->itemText(box->count() - 1), "Under ice");
        box->setCurrentIndex(box->count() - 1);
        QCOMPARE(Window()->TemplateIndex(), iceIndex);
        QCOMPARE(Window()->View()->CurrentContent().mg, 2000.0);
        QCOMPARE(Window()->View()->CurrentContent().mv, 200.0);
        QVERIFY2(Window()->Check().has_value(), qPrintable(Window()->Refusal()));
        QCOMPARE(Window()->Check()->check.conditions.mode, 2); // ice without wind
    }

    void aTowerInAForbiddenStretchIsMarkedAndTheStretchShaded()
    {
        // An edit of the document from elsewhere: the open window follows it.
        LineProfile line = Main()->CurProject.Line;
        line.forbidden = {{640, 700}};
        Main()->Document().EditLine(line, "Forbidden stretch");
        const QString text = "Tower 4 stands in the forbidden stretch 640 … 700 m";
        QCOMPARE(Window()->ViolationList()->item(0)->text(), text);
        QCOMPARE(Window()->Check()->violations.front().station, 670.0);
        QCOMPARE(Window()->TowerTable()->item(3, 0)->foreground().color(), QColor(200, 0, 0));
        QStringList tips;
        for (QGraphicsItem *item : Window()->View()->scene()->items())
            tips << item->toolTip();
        QVERIFY(tips.contains("Forbidden stretch 640 … 700 m"));
        QVERIFY(tips.contains(text));
        // Moved out of it, the tower is fine again.
        Window()->MoveTower(3, 720);
        QCOMPARE(Towers()[3].station, 720.0);
        QCOMPARE(Window()->ViolationList()->item(0)->text(), "No violations");
    }

    void theTableAndTheViewShareTheSelection()
    {
        Window()->TowerTable()->setCurrentCell(4, 0);
        QCOMPARE(Window()->View()->CurrentContent().selected, 4);
        QTest::mouseClick(Window()->View()->viewport(), Qt::LeftButton, {}, FootOf(6));
        QCOMPARE(Window()->View()->CurrentContent().selected, 6);
        QCOMPARE(Window()->TowerTable()->currentRow(), 6);
        // A click picks, it moves nothing.
        QCOMPARE(Window()->UndoStack()->count(), 0);
    }

    // The view is given the line before it has its size: once shown, all of it is in sight.
    void theWholeLineIsInSightWhenTheWindowOpens()
    {
        ProfileView *view = Window()->View();
        const QRect drawing = view->mapFromScene(view->scene()->itemsBoundingRect()).boundingRect();
        QVERIFY2(view->viewport()->rect().adjusted(-2, -2, 2, 2).contains(drawing),
                 qPrintable(QString("drawing %1,%2 %3x%4 in a viewport of %5x%6")
                                .arg(drawing.x())
                                .arg(drawing.y())
                                .arg(drawing.width())
                                .arg(drawing.height())
                                .arg(view->viewport()->width())
                                .arg(view->viewport()->height())));
    }
    void theWheelZoomsAndTheWindowKeepsItsSize()
    {
        ProfileView *view = Window()->View();
        const double zoom = view->Zoom();
        const QPointF at = view->viewport()->rect().center();
        QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), {}, QPoint(0, 240), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &wheel);
        QVERIFY(view->Zoom() > zoom * 1.3);
        // A scale typed stays while the template does.
        Window()->findChild<QSpinBox *>("ProfileMG")->setValue(2500);
        QCOMPARE(view->CurrentContent().mg, 2500.0);
        Window()->hide();
        Window()->show();
        QCOMPARE(view->CurrentContent().mg, 2500.0);

        Window()->resize(930, 610);
        Window()->hide();
        DestroyAppWindows();
        CreateAppWindows(Program());
        Main()->show();
        Main()->findChild<QAction *>("ActProfile")->trigger();
        QCOMPARE(Window()->size(), QSize(930, 610));
    }

    void aNewProjectEmptiesTheUndoAndAProjectWithoutALineSaysSo()
    {
        Window()->MoveTower(3, Towers()[3].station + 20);
        QCOMPARE(Window()->UndoStack()->count(), 1);
        TProject opened;
        opened.Assign(Main()->CurProject);
        opened.Line = {};
        Main()->Document().Replace(opened, Main()->ProjectFileName());
        QCOMPARE(Window()->UndoStack()->count(), 0);
        QVERIFY(!Window()->Check().has_value());
        QCOMPARE(Window()->RulingLine()->text(),
                 "The project holds no line: it needs the ground, the tower types and two "
                 "towers.");
        QCOMPARE(Window()->TowerTable()->rowCount(), 0);
        ScriptedPrompts prompts;
        Window()->SpotButton()->click();
        QCOMPARE(prompts.Kinds(), QStringList {"Error"});
        QVERIFY(!Window()->Spotting());
    }

    void aTowerStopsAGridStepShortOfItsNeighbour()
    {
        const std::vector<Tower> before = Towers();
        Window()->MoveTower(2, before[3].station + 100);
        QCOMPARE(Towers()[2].station, before[3].station - 5);
        Window()->MoveTower(2, before[1].station - 1000);
        QCOMPARE(Towers()[2].station, before[1].station + 5);
        QCOMPARE(Window()->UndoStack()->count(), 2);
        Window()->UndoStack()->undo();
        Window()->UndoStack()->undo();
        QVERIFY(Towers() == before);
    }

    void addRetypeAndDeleteAreUndoneExactly()
    {
        const std::vector<Tower> before = Towers();
        ScriptedPrompts prompts;
        // A double click on the ground between towers 1 and 2 (230 m and 450 m).
        ProfileView *view = Window()->View();
        const QPoint at = view->mapFromScene(view->ScenePoint(340, 150));
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(Towers().size(), before.size() + 1);
        QCOMPARE(std::fmod(Towers()[2].station, 5.0), 0.0);
        QVERIFY(std::abs(Towers()[2].station - 340) < 10);
        QCOMPARE(Towers()[2].type, before[1].type);
        QCOMPARE(Window()->TowerTable()->rowCount(), 12);

        auto *type = qobject_cast<QComboBox *>(Window()->TowerTable()->cellWidget(2, 2));
        type->setCurrentIndex(1);
        QCOMPARE(Towers()[2].type, 1);

        prompts.yesNo = {false, true};
        Window()->TowerTable()->setCurrentCell(2, 0);
        Window()->findChild<QPushButton *>("ProfileDeleteTower")->click();
        QCOMPARE(Towers().size(), before.size() + 1);
        Window()->findChild<QPushButton *>("ProfileDeleteTower")->click();
        QCOMPARE(prompts.Last("Question"), "Delete tower 3?");
        QVERIFY(Towers() == before);
        QCOMPARE(Window()->UndoStack()->count(), 3);
        // The keys: Ctrl+Z takes the deletion back, Delete in the table asks again.
        QTest::keyClick(Window(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Towers().size(), before.size() + 1);
        prompts.yesNo = {true};
        Window()->TowerTable()->setFocus();
        Window()->TowerTable()->setCurrentCell(2, 0);
        QTest::keyClick(Window()->TowerTable(), Qt::Key_Delete);
        QVERIFY(Towers() == before);
        QCOMPARE(Window()->UndoStack()->count(), 3);

        Window()->UndoStack()->undo();
        QCOMPARE(Towers().size(), before.size() + 1);
        QCOMPARE(Towers()[2].type, 1);
        Window()->UndoStack()->undo();
        Window()->UndoStack()->undo();
        QVERIFY(Towers() == before);
        QVERIFY(!Main()->isWindowModified());
    }

    void spotProposesTheCoresOptimum()
    {
        const std::vector<Tower> before = Towers();
        const TProject &project = Main()->CurProject;
        const PreparedCalculation prepared
            = PrepareCalculation(project, Program().Catalogue(), Lang::English, SpanUse::OwnSpans);
        const SpottingResult core = SpotTowers(
            SpottingInputOf(project, project.Line, 0, prepared.wire, 5, Lang::English));
        QVERIFY(core.outcome == SpottingResult::Outcome::Found);

        ScriptedPrompts prompts;
        // Cancel while it runs: nothing proposed, nothing changed.
        Window()->SpotButton()->click();
        QVERIFY(Window()->Spotting());
        QVERIFY(Window()->CancelButton()->isVisible());
        Window()->CancelButton()->click();
        QTRY_VERIFY(!Window()->Spotting());
        QCOMPARE(prompts.Kinds(), QStringList {});
        QVERIFY(Towers() == before);

        // The proposal declined.
        prompts.yesNo = {false};
        Window()->SpotButton()->click();
        QTRY_VERIFY(!Window()->Spotting());
        const QString proposal = QStringLiteral("The spotting proposes %1 towers (now %2).\n"
                                                "Total cost %3 (now %4).\nApply it?")
                                     .arg(core.towers.size())
                                     .arg(before.size())
                                     .arg(Fixed(core.cost), Fixed(LineCost(project.Line, before)));
        QCOMPARE(prompts.Last("Question"), proposal);
        QVERIFY(Towers() == before);
        QCOMPARE(Window()->UndoStack()->count(), 0);

        // Accepted: one undoable step.
        prompts.yesNo = {true};
        Window()->SpotButton()->click();
        QTRY_VERIFY(!Window()->Spotting());
        QVERIFY(Towers() == core.towers);
        QCOMPARE(Window()->TowerTable()->rowCount(), static_cast<int>(core.towers.size()));
        QVERIFY(Main()->isWindowModified());
        QCOMPARE(Window()->UndoStack()->count(), 1);
        Window()->UndoStack()->undo();
        QVERIFY(Towers() == before);
    }

    // Edits made while the window is closed (Undo in the main window, another project's
    // line): opened again, the view shows the whole line as fitted, not a corner of the scene
    // (a hidden view's scroll bars have no ranges yet, so its fit waits for the showing).
    void editsWhileClosedKeepTheWholeLineInSight()
    {
        auto wholeLineShown = [] {
            ProfileView *view = Window()->View();
            const LineProfile &line = Main()->CurProject.Line;
            const QRectF shown = view->mapToScene(view->viewport()->rect()).boundingRect();
            for (const Tower &tower : {line.towers.front(), line.towers.back()}) {
                const double ground = GroundElevationAt(line.ground, tower.station);
                if (!shown.contains(view->ScenePoint(tower.station, ground)))
                    return false;
            }
            return true;
        };
        QVERIFY(wholeLineShown());
        const LineProfile before = Main()->CurProject.Line;
        LineProfile low = before;
        low.types[0].height = 8;
        LineProfile fewer = before;
        fewer.towers.erase(fewer.towers.begin() + 3);
        for (const LineProfile &edit : {low, fewer}) {
            Window()->hide();
            Main()->Document().EditLine(edit, "Line");
            Main()->findChild<QAction *>("ActProfile")->trigger();
            QVERIFY(QTest::qWaitForWindowExposed(Window()));
            QVERIFY(wholeLineShown());
            Window()->hide();
            Main()->findChild<QAction *>("ActUndo")->trigger();
            Main()->findChild<QAction *>("ActProfile")->trigger();
            QVERIFY(QTest::qWaitForWindowExposed(Window()));
            QVERIFY(Main()->CurProject.Line == before);
            QVERIFY(wholeLineShown());
        }
    }

    void aViolationInTheListCentresTheView()
    {
        // Low towers: the wire comes too close to the ground.
        LineProfile line = Main()->CurProject.Line;
        line.types[0].height = 6;
        Main()->Document().EditLine(line, "Tower type");
        const LineCheck core = CoreCheck();
        QVERIFY(!core.violations.empty());
        QListWidget *list = Window()->ViolationList();
        QCOMPARE(list->count(), static_cast<int>(core.violations.size()));
        QCOMPARE(list->item(0)->text(), QString::fromStdString(core.violations.front()));
        const ProfileViolation &last = Window()->Check()->violations.back();
        QVERIFY(last.station > 0);

        ProfileView *view = Window()->View();
        view->scale(6, 6);
        view->CentreOnPlace(0, 0);
        QListWidgetItem *item = list->item(list->count() - 1);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
        const QPointF centre = view->CentreStationElevation();
        QVERIFY2(std::abs(centre.x() - last.station) < 5, qPrintable(QString::number(centre.x())));
        QVERIFY(std::abs(centre.y() - last.elevation) < 1);
        // Its place is marked in the view with the check's words.
        bool marked = false;
        for (QGraphicsItem *mark : view->scene()->items())
            marked = marked || mark->toolTip() == last.text;
        QVERIFY(marked);
    }

    // The example's ground one metre higher, read from a file: shown as read, taken on Yes
    // only, one undoable step that gives back the exact line.
    void anImportIsShownAsReadAndTakenOnlyOnYes()
    {
        const LineProfile before = Main()->CurProject.Line;
        QByteArray text = "station;elevation\n";
        for (const GroundPoint &p : before.ground)
            text += QByteArray::number(p.x) + ";" + QByteArray::number(p.z + 1) + "\n";
        const QString path = m_dir.filePath("ground.csv");
        WriteText(path, text);

        ScriptedPrompts prompts;
        prompts.fileNames = {path, path};
        prompts.yesNo = {false, true};
        Trigger("ProfileImportGround");
        const QString n = QString::number(before.ground.size());
        QStringList records;
        for (std::size_t i = 0; i < 3; ++i)
            records << QString::fromStdString(FormatNumber(before.ground[i].x)) + "; "
                    + QString::fromStdString(FormatNumber(before.ground[i].z + 1));
        const QString first = records.join("  |  ") + "  |  …";
        QCOMPARE(prompts.Last("WarningYesNo"),
                 "Ground points in \"ground.csv\": " + n + " read (the line has " + n
                     + " now).\nAs read: " + first
                     + "\n\nReplace the line's with them?\n\nThe file is read as UTF-8.");
        QVERIFY(Main()->CurProject.Line == before);
        QCOMPARE(Window()->UndoStack()->count(), 0);
        QVERIFY(!Main()->isWindowModified());

        Trigger("ProfileImportGround");
        QCOMPARE(prompts.Kinds(), (QStringList {"Open", "WarningYesNo", "Open", "WarningYesNo"}));
        QVERIFY(std::abs(Main()->CurProject.Line.ground.back().z - before.ground.back().z - 1)
                < 1e-9);
        QVERIFY(Main()->CurProject.Line.towers == before.towers);
        QCOMPARE(Window()->UndoStack()->count(), 1);
        QVERIFY(Main()->isWindowModified());
        QCOMPARE(Cell(0, 3), Fixed(CoreCheck().towers[0].ground));
        QCOMPARE(Cell(0, 3), Fixed(before.ground[0].z + 1));

        Window()->UndoStack()->undo();
        QVERIFY(Main()->CurProject.Line == before);
        QCOMPARE(Cell(0, 3), Fixed(before.ground[0].z));
        QVERIFY(!Main()->isWindowModified());
    }

    // Towers by type name, tower types that keep the towers' own, crossings and forbidden
    // stretches: each through the core's reader into the line.
    void everyKindOfRecordIsImported()
    {
        const LineProfile before = Main()->CurProject.Line;
        const QString types = m_dir.filePath("types.csv"), towers = m_dir.filePath("towers.txt"),
                      crossings = m_dir.filePath("crossings.csv"),
                      forbidden = m_dir.filePath("forbid.csv");
        WriteText(types, "Tall;30;2,5;420;700;-100\n");
        WriteText(towers,
                  QByteArray::number(before.towers.front().station) + "\tTall\n"
                      + QByteArray::number(before.towers[1].station) + "\t"
                      + QByteArray::fromStdString(before.types[0].name) + "\n"
                      + QByteArray::number(before.towers.back().station) + "\tTall\n");
        WriteText(crossings, "1000;160;8;Power line\n");
        WriteText(forbidden, "from;to\n100;120\n");
        ScriptedPrompts prompts;
        prompts.fileNames = {types, towers, crossings, forbidden};
        prompts.yesNo = {true, true, true, true};
        Trigger("ProfileImportTypes");
        const LineProfile &line = Main()->CurProject.Line;
        // The file's type first; those the towers stand on stay behind it.
        QCOMPARE(line.types.front().name, std::string("Tall"));
        QCOMPARE(line.types.front().cost, 2.5);
        QCOMPARE(line.types.size(), 1 + before.types.size());
        for (std::size_t i = 0; i < line.towers.size(); ++i)
            QCOMPARE(line.types[static_cast<std::size_t>(line.towers[i].type)].name,
                     before.types[static_cast<std::size_t>(before.towers[i].type)].name);
        Trigger("ProfileImportTowers");
        QCOMPARE(line.towers.size(), std::size_t(3));
        QCOMPARE(line.towers[0].type, 0);
        QCOMPARE(Window()->TowerTable()->rowCount(), 3);
        Trigger("ProfileImportCrossings");
        QCOMPARE(line.crossings.size(), std::size_t(1));
        QCOMPARE(line.crossings[0].name, std::string("Power line"));
        Trigger("ProfileImportForbidden");
        const std::vector<ForbiddenStretch> stretches {{100, 120}};
        QVERIFY(line.forbidden == stretches);
        QCOMPARE(Window()->UndoStack()->count(), 4);
        while (Window()->UndoStack()->canUndo())
            Window()->UndoStack()->undo();
        QVERIFY(Main()->CurProject.Line == before);
    }

    // A bad record, a pipe and a missing file: a clear error, nothing read, nothing changed;
    // the pipe is refused without being opened for reading (which would wait for a writer).
    void aBadImportChangesNothing()
    {
        const LineProfile before = Main()->CurProject.Line;
        const QString bad = m_dir.filePath("bad.csv"), pipe = m_dir.filePath("pipe.csv");
        WriteText(bad, "0;150\n10;abc\n");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        ScriptedPrompts prompts;
        prompts.fileNames = {bad, pipe, m_dir.filePath("none.csv")};
        Trigger("ProfileImportGround");
        QVERIFY2(prompts.Last("Error").contains("bad.csv, line 2"),
                 qPrintable(prompts.Last("Error")));
        Trigger("ProfileImportGround");
        QVERIFY2(prompts.Last("Error").contains("pipe.csv"), qPrintable(prompts.Last("Error")));
        Trigger("ProfileImportCrossings");
        QCOMPARE(prompts.Kinds(),
                 (QStringList {"Open", "Error", "Open", "Error", "Open", "Error"}));
        QVERIFY(Main()->CurProject.Line == before);
        QCOMPARE(Window()->UndoStack()->count(), 0);
        QVERIFY(!Main()->isWindowModified());
    }

    // Every export writes a whole file that its kind's reader takes, and says where it went.
    void everyExportWritesAFileItsReaderTakes()
    {
        QTemporaryDir dir;
        Main()->Document().SetFileName(dir.filePath("Ridge line.vlp"));
        ScriptedPrompts prompts;
        const QString dxf = dir.filePath("profile.dxf"), png = dir.filePath("profile.png"),
                      svg = dir.filePath("profile.svg"), pdf = dir.filePath("profile.pdf"),
                      printed = dir.filePath("printed.pdf");
        prompts.fileNames = {dxf, png, svg, pdf};
        Trigger("ProfileExportDrawing");
        QCOMPARE(prompts.lastFileDialog.fileName, "Ridge line.dxf");
        QCOMPARE(prompts.Last("OpenDocument"), dxf);
        QVERIFY(Head(dxf, 64).contains("SECTION"));
        QCOMPARE(Window()->WrittenLine()->text(), "Written: " + dxf);
        auto *status = Main()->statusBar()->findChild<QLabel *>("WrittenFile");
        QVERIFY(status && status->text().contains(dxf.toHtmlEscaped()));
        // An independent reader: the drawing loads and passes its audit.
        if (QFile::exists("/usr/bin/python3")) {
            QProcess python;
            python.start("/usr/bin/python3",
                         {"-c",
                          "import sys, ezdxf\n"
                          "d = ezdxf.readfile(sys.argv[1], encoding='cp1251')\n"
                          "a = d.audit()\n"
                          "sys.exit(1 if a.has_errors else 0)",
                          dxf});
            QVERIFY(python.waitForFinished(60000));
            if (!python.readAllStandardError().contains("No module named"))
                QCOMPARE(python.exitCode(), 0);
        }

        Trigger("ProfileExportPicture");
        QImage image(png);
        QCOMPARE(image.size(), Window()->View()->viewport()->size() * 2);
        Trigger("ProfileExportPicture");
        QVERIFY(QSvgRenderer(svg).isValid());
        Trigger("ProfileExportPicture");
        QVERIFY(Head(pdf, 5) == "%PDF-");
        QVERIFY(QFileInfo(pdf).size() > 2000);
        QCOMPARE(Window()->WrittenLine()->text(), "Written: " + pdf);

        // Print, to a PDF file as the print dialog offers it.
        prompts.dialogs = {[&](QDialog &dialog) {
            auto &print = dynamic_cast<QPrintDialog &>(dialog);
            print.printer()->setOutputFormat(QPrinter::PdfFormat);
            print.printer()->setOutputFileName(printed);
            return int(QDialog::Accepted);
        }};
        Trigger("ProfilePrint");
        QVERIFY(Head(printed, 5) == "%PDF-");
        QCOMPARE(Window()->WrittenLine()->text(), "Written: " + printed);
        // No temporary file is left beside them.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), qsizetype(5));
    }

    // In the N/kN units the stresses and forces are shown ×10 and ×0.01, the schedule too.
    void theUnitsSwitchShowsNewtons()
    {
        if (!QFile::exists(ApplicationDir() + "Forms/FormTowersN_en.xls"))
            QSKIP("the forms are not built beside the program");
        const LineCheck core = CoreCheck();
        const QString daN = Window()->ConditionsLine()->text();
        QVERIFY2(daN.startsWith("Template state: σ = "
                                + QString::number(core.conditions.design.sigma, 'f', 3)
                                + QChar(0xA0) + "daN/mm², T = "),
                 qPrintable(daN));
        // As the Units dialog switches: the fields taken first, shown again in the new units.
        Main()->FormToProject();
        Program().SetUnits(1);
        Main()->ApplyUnits();
        Main()->ProjectToForm();
        Window()->hide();
        Window()->show();
        const QString n = Window()->ConditionsLine()->text();
        QVERIFY2(n.startsWith("Template state: σ = "
                              + QString::number(core.conditions.design.sigma * 10, 'f', 2)
                              + QChar(0xA0) + "N/mm², T = "),
                 qPrintable(n));
        QVERIFY2(n.contains("Ruling span: σ = " + QString::number(core.rulingStress * 10, 'f', 2)
                            + QChar(0xA0) + "N/mm²"),
                 qPrintable(n));
        QVERIFY(n.contains(QChar(0xA0) + QString("kN")));

        ScriptedPrompts prompts;
        const QString out = m_dir.filePath("towers.xls");
        prompts.fileNames = {out};
        Trigger("ProfileExportSchedule");
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "OpenDocument"}));
        const xls::Workbook book = xls::Workbook::Load(out.toStdString());
        QCOMPARE(book.Sheet(0).Value(1, 7)->number, core.conditions.design.sigma * 10);
        Program().SetUnits(0);
    }
};

VELMORA_GUI_TEST_MAIN(ProfileWindowTest)
#include "test_profile_window.moc"
