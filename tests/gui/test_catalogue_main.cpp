#include "guitest.h"

#include "catalogue/catalogue.h"
#include "common/fileio.h"
#include "fake_settings.h"
#include "gui/catalogue/formwiresbase.h"
#include "gui/formmain.h"
#include "gui/platform.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>

using namespace velmora;
using namespace velmora::test;

// The catalogue window as the main window uses it: picking the project's wire, managing the
// catalogue beside it, and the catalogue written at the main window's close when changed.
class CatalogueInMainWindowTest : public QObject
{
    Q_OBJECT

private:
    FakeSettingsStore m_store;
    std::unique_ptr<ProgramContext> m_program;

    static TFormMain *Main() { return Windows().FormMain; }
    static TFormWiresBase *Catalogue() { return Windows().FormWiresBase; }
    static std::string CatalogueFile()
    {
        return CatalogueDataDir(CommonDataDir()) + "base_provod.dat";
    }
    static QString Provod() { return Main()->findChild<QLineEdit *>("Provod")->text(); }

    // Selects the row of name and confirms, as the user picking it.
    static std::function<int(QDialog &)> PickRow(const QString &name)
    {
        return [name](QDialog &dialog) {
            dialog.show();
            QTableWidget *grid = Catalogue()->Grid();
            for (int row = 0; row < grid->rowCount(); ++row) {
                if (grid->item(row, 0) && grid->item(row, 0)->text() == name)
                    grid->setCurrentCell(row, 0);
            }
            Catalogue()->SelectClick();
            return dialog.result();
        };
    }

private slots:
    void init()
    {
        m_program = StartInEnglish(m_store);
        QDir().mkpath(QString::fromStdString(CatalogueDataDir(CommonDataDir())));
        TWiresList list;
        for (const char *name : {"AC 70/11", "AC 95/16", "AC 120/19"}) {
            TWireRec rec;
            rec.Name = name;
            rec.Group = 1;
            rec.Diam = 11.4;
            rec.Sech = 79.3;
            rec.PNag = 0.276;
            rec.Modl = 8250;
            rec.Koef = 1.92e-5;
            list.Add(rec);
        }
        list.SaveToFile(CatalogueFile());
        CreateAppWindows(Program());
        Main()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Main()));
    }
    void cleanup()
    {
        DestroyAppWindows();
        Program().Catalogue().Clear();
        m_program.reset();
    }

    // Numbers in names go by their value: 70 before 95 before 120.
    void creatingTheWindowLoadedTheCatalogueSortedByName()
    {
        QCOMPARE(Program().Catalogue().Count(), 3);
        QCOMPARE(Program().Catalogue().GetWire(0).Name, std::string("AC 70/11"));
        QCOMPARE(Program().Catalogue().GetWire(1).Name, std::string("AC 95/16"));
        QCOMPARE(Program().Catalogue().GetWire(2).Name, std::string("AC 120/19"));
        QCOMPARE(Program().Catalogue().FileName(), CatalogueFile());
    }

    void theWireButtonPicksTheProjectsWire()
    {
        ScriptedPrompts prompts;
        prompts.dialogs = {PickRow("AC 95/16")};
        QTest::mouseClick(Main()->findChild<QToolButton *>("ProvodButton"), Qt::LeftButton);
        QCOMPARE(prompts.Kinds(), QStringList {"Exec"});
        QCOMPARE(prompts.asked[0].text, QString("FormWiresBase"));
        QCOMPARE(Provod(), QString("AC 95/16"));

        const QString before = Provod();
        prompts.dialogs = {Reject};
        QTest::mouseClick(Main()->findChild<QToolButton *>("ProvodButton"), Qt::LeftButton);
        QCOMPARE(Provod(), before);
    }

    // The picker opens on the project's wire, with an empty name filter that has the keyboard,
    // and shows the whole catalogue when the remembered group would hide that wire.
    void thePickerPreselectsTheProjectsWire()
    {
        ScriptedPrompts prompts;
        Main()->findChild<QLineEdit *>("Provod")->setText("AC 120/19");
        Catalogue()->Filter()->setCurrentIndex(5);
        emit Catalogue()->Filter()->activated(5);
        Catalogue()->NameFilter()->setText("95");
        QString shown;
        int filter = -1;
        QString nameFilter = "?";
        bool filterHasFocus = false;
        prompts.dialogs = {[&](QDialog &dialog) {
            dialog.show();
            QTableWidget *grid = Catalogue()->Grid();
            shown = grid->item(grid->currentRow(), 0)->text();
            filter = Catalogue()->Filter()->currentIndex();
            nameFilter = Catalogue()->NameFilter()->text();
            filterHasFocus = dialog.focusWidget() == Catalogue()->NameFilter();
            return Reject(dialog);
        }};
        QTest::mouseClick(Main()->findChild<QToolButton *>("ProvodButton"), Qt::LeftButton);
        QCOMPARE(shown, QString("AC 120/19"));
        QCOMPARE(filter, 0);
        QCOMPARE(nameFilter, QString());
        QVERIFY(filterHasFocus);
        QCOMPARE(Provod(), QString("AC 120/19"));
    }

    void pickingWhileTheCatalogueIsManagedClosesItFirst()
    {
        ScriptedPrompts prompts;
        Main()->findChild<QAction *>("ActWiresGuide")->trigger();
        QVERIFY(Catalogue()->isVisible());
        QVERIFY(!Catalogue()->SelectMode());
        bool hiddenBeforePick = false;
        prompts.dialogs = {[&](QDialog &dialog) {
            hiddenBeforePick = !dialog.isVisible();
            return PickRow("AC 70/11")(dialog);
        }};
        QTest::mouseClick(Main()->findChild<QToolButton *>("ProvodButton"), Qt::LeftButton);
        QVERIFY(hiddenBeforePick);
        QCOMPARE(Provod(), QString("AC 70/11"));
    }

    void closeWritesTheCatalogueOnlyAfterAChange()
    {
        ScriptedPrompts prompts;
        const std::string before = ReadFileBytes(CatalogueFile());
        Main()->findChild<QAction *>("ActWiresGuide")->trigger();
        Catalogue()->HeadingClick(0);
        prompts.yesNo = {true};
        QVERIFY(Main()->close());
        QCOMPARE(prompts.Kinds(), QStringList {"WarningYesNo"});
        // The file lists the wires in their loaded order, not in the new sorted one.
        QCOMPARE(ReadFileBytes(CatalogueFile()), before);
    }

    void closeAfterADeleteWritesTheCatalogue()
    {
        ScriptedPrompts prompts;
        Main()->findChild<QAction *>("ActWiresGuide")->trigger();
        Catalogue()->Grid()->setCurrentCell(0, 0);
        prompts.yesNo = {true, true};
        Catalogue()->DeleteClick();
        QVERIFY(Main()->close());
        QCOMPARE(prompts.Kinds(), (QStringList {"WarningYesNo", "WarningYesNo"}));
        TWiresList reread;
        reread.LoadFromFile(CatalogueFile());
        QCOMPARE(reread.Count(), 2);
        QCOMPARE(reread.IndexOfName("AC 70/11"), -1);
    }
};

VELMORA_GUI_TEST_MAIN(CatalogueInMainWindowTest)
#include "test_catalogue_main.moc"
