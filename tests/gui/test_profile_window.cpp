#include "guitest.h"

#include "example_wire.h"

#include "calc/preparation.h"
#include "calc/spotting.h"
#include "catalogue/catalogue.h"
#include "data/projectfile.h"
#include "fake_settings.h"
#include "gui/formmain.h"
#include "gui/profile/formprofile.h"
#include "gui/profile/profilecheck.h"
#include "gui/profile/profileview.h"
#include "templates/linedesign.h"

#include <QAction>
#include <QComboBox>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolBar>
#include <QUndoStack>
#include <QWheelEvent>

#include <cmath>

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

private slots:
    void init()
    {
        m_program = StartInEnglish(m_store);
        CreateAppWindows(Program());
        Program().Catalogue().Clear();
        Program().Catalogue().Add(ShippedAc70Wire());
        LoadProject(std::string(VELMORA_SOURCE_DIR) + "/share/examples/example.vlp",
                    Main()->CurProject);
        Main()->ProjectToForm();
        Main()->MarkSaved();
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
        Main()->CurProject.Line.forbidden = {{640, 700}};
        Window()->hide();
        Window()->show();
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
        Main()->CurProject.Line = {};
        emit Main()->ProjectReplaced();
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

    void aViolationInTheListCentresTheView()
    {
        // Low towers: the wire comes too close to the ground.
        Main()->CurProject.Line.types[0].height = 6;
        Window()->hide();
        Window()->show();
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
};

VELMORA_GUI_TEST_MAIN(ProfileWindowTest)
#include "test_profile_window.moc"
