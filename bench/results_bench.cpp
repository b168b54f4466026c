// The results pane's live path on the largest range a calculation takes (601 spans × 17 modes),
// in the program's windows: an edit of a field, then the recalculation with the table model and
// both plots updated, and that followed by a drawing of the pane. Also reports the program's
// resident memory with the pane open (rss_MB).
#include "bench_inputs.h"

#include "catalogue/catalogue.h"
#include "gui/appwindows.h"
#include "gui/document/projectdocument.h"
#include "gui/formmain.h"
#include "gui/programcontext.h"
#include "gui/results/resultspane.h"
#include "l10n/localization.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

#include <memory>

namespace {

using namespace velmora;

// A settings store that keeps nothing: the bench reads and writes no user's settings.
class NoSettings : public SettingsStore
{
public:
    Value Read(const std::string &) override { return {}; }
    void Write(const std::string &, const std::string &) override { }
};

// The program's windows with the pane open on a project of 601 spans (10 m to 6010 m by 10 m).
struct OpenPane
{
    OpenPane()
    {
        CreateAppWindows(Program());
        Program().Catalogue().Clear();
        const bench::BenchInput in = bench::LargestRange();
        Program().Catalogue().Add(in.wire);
        TFormMain *main = MainWindow();
        TProject project;
        project.SetDefaults();
        project.Dat = in.project.Dat;
        main->Document().Replace(project, QString());
        main->show();
        pane = main->findChild<ResultsPane *>(QStringLiteral("ResultsPane"));
        QApplication::processEvents();
        // Open, whatever the pane's first state: a closed pane calculates nothing.
        if (pane->isHidden())
            pane->toggleViewAction()->trigger();
        pane->RecalculateNow();
    }
    ~OpenPane() { DestroyAppWindows(); }

    // An edit between two recalculations: every value and the plots' ranges change.
    void AlternateIce()
    {
        auto *ice = MainWindow()->findChild<QDoubleSpinBox *>(QStringLiteral("Tols"));
        ice->setValue(ice->value() == 20 ? 15 : 20);
    }

    ResultsPane *pane = nullptr;
};

double ResidentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

void BM_LiveRecalculation601Spans17Modes(benchmark::State &state)
{
    OpenPane open;
    for (auto _ : state) {
        open.AlternateIce();
        open.pane->Flush();
        benchmark::DoNotOptimize(open.pane->Results()->taken.back().sag.back());
    }
    state.counters["spans"] = static_cast<double>(open.pane->Results()->spans.size());
    state.counters["modes"] = static_cast<double>(open.pane->Results()->taken.size());
    state.counters["rss_MB"] = ResidentMegabytes();
}
BENCHMARK(BM_LiveRecalculation601Spans17Modes)->Unit(benchmark::kMillisecond);

// The same with the pane drawn afterwards on the stress plot, as the screen would show it.
void BM_LiveRecalculationAndDrawing601Spans17Modes(benchmark::State &state)
{
    OpenPane open;
    open.pane->Tabs()->setCurrentIndex(3);
    for (auto _ : state) {
        open.AlternateIce();
        open.pane->Flush();
        benchmark::DoNotOptimize(open.pane->grab());
    }
    state.counters["rss_MB"] = ResidentMegabytes();
}
BENCHMARK(BM_LiveRecalculationAndDrawing601Spans17Modes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The catalogue window reads (and may create) the data folder: a private one. The settings
    // store keeps nothing.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    NoSettings settings;
    const ProgramContext program(settings, "English (United States)");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
