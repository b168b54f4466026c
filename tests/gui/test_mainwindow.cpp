#include "guitest.h"

#include "formmain.h"
#include "l10n/localization.h"
#include "l10n/settings.h"
#include "platform.h"

#include <QLabel>

using namespace velmora;
using namespace velmora::test;

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SetSettingsStore(&m_store);
        InitLocalization("English (United States)");
        SetLanguage(0);
        CreateAppWindows();
    }
    void cleanup()
    {
        DestroyAppWindows();
        SetSettingsStore(nullptr);
    }

    void startThenQuitAsksOnlyTheQuitQuestion()
    {
        ScriptedPrompts prompts;
        TFormMain *main = Windows().FormMain;
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        prompts.yesNo = {true};
        QVERIFY(main->close());
        QCOMPARE(prompts.Kinds(), QStringList{"WarningYesNo"});
        QCOMPARE(prompts.Last("WarningYesNo"), "Are you sure you would like to quit the program?");
    }

private:
    QtSettingsStore m_store;
};

VELMORA_GUI_TEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
