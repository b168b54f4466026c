// The profile window on a 50 km line with 150 towers (10 000 ground points): opening it (the
// check, the drawing, the table, the first picture on screen), and a tower dragged by the
// mouse (each move: the recheck, the view's and the table's update and the repaint of the
// view, then the event loop's repaint of what changed), once with the whole line in sight and
// once zoomed in as a designer drags.
#include "long_line.h"

#include "catalogue/catalogue.h"
#include "gui/appwindows.h"
#include "gui/document/projectdocument.h"
#include "gui/formmain.h"
#include "gui/profile/formprofile.h"
#include "gui/profile/profileview.h"
#include "gui/programcontext.h"
#include "gui/results/resultspane.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTableWidget>

namespace {

using namespace velmora;

// The program's windows with the long line as the open project.
struct LongLineProject
{
    LongLineProject()
    {
        const bench::LongLine long50;
        CreateAppWindows(Program());
        Program().Catalogue().Clear();
        Program().Catalogue().Add(long50.wire);
        main = MainWindow();
        TProject project = long50.project;
        project.Line = long50.line;
        main->Document().Replace(project, QString());
        main->show();
        // The results pane's recalculation of the new project, due after its pause, is done
        // before anything is measured.
        main->findChild<ResultsPane *>(QStringLiteral("ResultsPane"))->RecalculateNow();
        window = main->OwnWindows().FormProfile;
        window->resize(1280, 820);
    }
    ~LongLineProject() { DestroyAppWindows(); }

    void Open()
    {
        main->findChild<QAction *>(QStringLiteral("ActProfile"))->trigger();
        QApplication::processEvents();
    }

    TFormMain *main = nullptr;
    TFormProfile *window = nullptr;
};

void Mouse(QWidget *viewport, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), viewport->mapToGlobal(QPointF(at)), Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

void BM_ProfileOpen50km150Towers(benchmark::State &state)
{
    LongLineProject project;
    for (auto _ : state) {
        project.window->hide();
        project.window->ProjectReplaced(); // the window starts afresh, as after Open
        project.Open();
        project.window->repaint();
    }
    state.counters["towers"] = static_cast<double>(project.window->TowerTable()->rowCount());
}
BENCHMARK(BM_ProfileOpen50km150Towers)->Unit(benchmark::kMillisecond);

// zoom: the view's magnification over the whole line in sight.
void DragTower(benchmark::State &state, double zoom)
{
    LongLineProject project;
    project.Open();
    ProfileView *view = project.window->View();
    QWidget *viewport = view->viewport();
    constexpr int tower = 75;
    const Tower &t = project.main->CurProject.Line.towers[tower];
    view->scale(zoom, zoom);
    view->CentreOnPlace(t.station, 170);
    QApplication::processEvents();
    const QPoint foot = view->mapFromScene(view->ScenePoint(t.station, 160));
    // A move of about 30 m back and forth, so every move changes the station.
    const double perPixel = view->StationAt(view->mapToScene(foot + QPoint(100, 0))) / 100
        - view->StationAt(view->mapToScene(foot)) / 100;
    const int dx = std::max(2, static_cast<int>(30 / perPixel));
    Mouse(viewport, QEvent::MouseButtonPress, foot, Qt::LeftButton);
    bool out = false;
    for (auto _ : state) {
        out = !out;
        Mouse(viewport, QEvent::MouseMove, foot + QPoint(out ? dx : 0, 0), Qt::LeftButton);
        // The event loop's turn after a move, as in the program: the view repaints what
        // changed.
        QApplication::processEvents();
    }
    Mouse(viewport, QEvent::MouseButtonRelease, foot, Qt::NoButton);
    state.counters["zoom"] = zoom;
}

void BM_ProfileDragTowerWholeLineInSight(benchmark::State &state)
{
    DragTower(state, 1);
}
BENCHMARK(BM_ProfileDragTowerWholeLineInSight)->Unit(benchmark::kMillisecond);

void BM_ProfileDragTowerZoomedIn(benchmark::State &state)
{
    DragTower(state, 20);
}
BENCHMARK(BM_ProfileDragTowerZoomedIn)->Unit(benchmark::kMillisecond);

} // namespace
