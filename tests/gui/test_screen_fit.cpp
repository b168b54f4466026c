// The main window on a laptop's screen of 1366×768 (ctest gives this test such an offscreen
// screen): the results pane open beside the fields on a first start, and nothing off the
// screen however the pane was left.

#include "guitest.h"

#include "fake_settings.h"
#include "gui/document/projectdocument.h"
#include "gui/formmain.h"
#include "gui/results/resultspane.h"

#include <QAction>
#include <QLabel>
#include <QScreen>

using namespace velmora;
using namespace velmora::test;

namespace {

TFormMain *Main()
{
    return Windows().FormMain;
}

ResultsPane *Pane()
{
    return Main()->findChild<ResultsPane *>(QStringLiteral("ResultsPane"));
}

QRect Area()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

#define VERIFY_ON_SCREEN(widget)                                                                   \
    QVERIFY2(Area().contains((widget)->frameGeometry()),                                           \
             qPrintable(QStringLiteral("%1 at %2,%3 %4×%5")                                        \
                            .arg((widget)->objectName())                                           \
                            .arg((widget)->frameGeometry().x())                                    \
                            .arg((widget)->frameGeometry().y())                                    \
                            .arg((widget)->frameGeometry().width())                                \
                            .arg((widget)->frameGeometry().height())))

} // namespace

class ScreenFitTest : public QObject
{
    Q_OBJECT

    FakeSettingsStore m_store;

    std::unique_ptr<ProgramContext> m_program;

    void Start()
    {
        CreateAppWindows(Program());
        Main()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Main()));
        QApplication::processEvents();
    }

private slots:
    void init()
    {
        m_store = FakeSettingsStore {};
        m_program = StartInEnglish(m_store);
    }
    void cleanup()
    {
        DestroyAppWindows();
        m_program.reset();
    }

    void theScreenIsALaptops()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1366, 768));
    }

    // A new user sees the program's answer beside the input, and all of both, in either
    // language (the Russian labels and tab names are the longer).
    void aFirstStartShowsTheResultsBesideTheFields_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Russian") << 1;
    }
    void aFirstStartShowsTheResultsBesideTheFields()
    {
        QFETCH(int, language);
        Program().SetLanguage(language);
        Start();
        QVERIFY(!Pane()->isHidden());
        QVERIFY(!Pane()->isFloating());
        VERIFY_ON_SCREEN(Main());
        QWidget *fields = Main()->centralWidget();
        QVERIFY(fields->width() >= fields->minimumSizeHint().width());
        QVERIFY2(Pane()->width() >= 350, qPrintable(QString::number(Pane()->width())));
        // The window is as tall as the pane needs: the project's name keeps its own height.
        auto *name = Main()->findChild<QLabel *>("PanelProjectName");
        Main()->Document().SetFileName(QStringLiteral("/tmp/Line 10.vlp"));
        QApplication::processEvents();
        QVERIFY(name->isVisible());
        QVERIFY2(name->height() <= name->sizeHint().height(),
                 qPrintable(QString("%1 > %2").arg(name->height()).arg(name->sizeHint().height())));

        // Closed and opened again from the View menu, the window stays on the screen.
        QAction *toggle = Main()->findChild<QAction *>("ActResultsPane");
        toggle->trigger();
        QVERIFY(Pane()->isHidden());
        VERIFY_ON_SCREEN(Main());
        Main()->move(Area().right() - Main()->frameGeometry().width(), 0);
        toggle->trigger();
        QApplication::processEvents();
        QVERIFY(!Pane()->isHidden());
        VERIFY_ON_SCREEN(Main());
    }

    // A size kept from a larger screen, and a floating pane left where no screen is now.
    void aRememberedGeometryOffTheScreenIsMovedOntoIt()
    {
        m_store.SetText("ResultsPane", "1");
        m_store.SetText("ResultsPaneWindow", "1900,1050");
        Start();
        VERIFY_ON_SCREEN(Main());

        Pane()->setFloating(true);
        Pane()->move(3000, 1800);
        Pane()->SaveLayout();
        DestroyAppWindows();
        Start();
        QVERIFY(Pane()->isFloating());
        VERIFY_ON_SCREEN(Pane());
    }
};

VELMORA_GUI_TEST_MAIN(ScreenFitTest)
#include "test_screen_fit.moc"
