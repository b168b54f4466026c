#include "guitest.h"

#include "catalogue/catalogue.h"
#include "common/cp1251.h"
#include "common/fileio.h"
#include "fake_settings.h"
#include "gui/catalogue/formwiresbase.h"
#include "gui/catalogue/formwiresedit.h"
#include "gui/qttranslations.h"
#include "l10n/localization.h"
#include "l10n/texts.h"
#include "l10n/units.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

using namespace velmora;
using namespace velmora::test;

namespace {

TWireRec Wire(const std::string &name, int group, double diam, double modl = 8250)
{
    TWireRec rec;
    rec.Name = name;
    rec.Group = group;
    rec.Diam = diam;
    rec.Sech = diam * 10;
    rec.PNag = 0.5;
    rec.Modl = modl;
    rec.Koef = 1.92e-5;
    return rec;
}

QString Cell(QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

// Types text as a keyboard would, one key per character; Qt names the key of a letter by its
// capital's code point, Cyrillic included (QTest::keyClicks knows only Latin-1 keys).
void TypeText(QWidget *widget, const QString &text)
{
    for (QChar ch : text) {
        const auto key = static_cast<Qt::Key>(ch.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(ch), Qt::NoModifier);
    }
}

// The editor script of a confirmed wire: fields set as a user would leave them, then OK.
std::function<int(QDialog &)> TypeWire(const QString &name, const QString &diam,
                                       const QString &modl = QStringLiteral("8250"))
{
    return [=](QDialog &dialog) {
        auto &editor = static_cast<TFormWiresEdit &>(dialog);
        editor.NameField()->setText(name);
        editor.DiamField()->setText(diam);
        editor.SechField()->setText(QStringLiteral("100"));
        editor.PNagField()->setText(QStringLiteral("0.4"));
        editor.ModlField()->setText(modl);
        editor.KoefField()->setText(QStringLiteral("0.0000192"));
        editor.setResult(QDialog::Rejected);
        editor.accept();
        return editor.result();
    };
}

} // namespace

class CatalogueTest : public QObject
{
    Q_OBJECT

private:
    FakeSettingsStore m_store;
    std::unique_ptr<ProgramContext> m_program;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TFormWiresBase> m_window;

    std::string CatalogueFile() const
    {
        return CatalogueDataDir(m_dir->path().toStdString()) + "base_provod.dat";
    }

    // A catalogue file of these wires in the data folder, then the window that loads it.
    TFormWiresBase &Open(const std::vector<TWireRec> &wires)
    {
        QDir().mkpath(QString::fromStdString(CatalogueDataDir(m_dir->path().toStdString())));
        TWiresList list;
        for (const TWireRec &rec : wires)
            list.Add(rec);
        list.SaveToFile(CatalogueFile());
        m_window = std::make_unique<TFormWiresBase>(Program(), m_dir->path().toStdString(),
                                                    (m_dir->path() + "/app/").toStdString());
        return *m_window;
    }

    QPushButton *Button(const char *name) const
    {
        return m_window->findChild<QPushButton *>(QLatin1String(name));
    }

    void ChooseFilter(int index)
    {
        m_window->Filter()->setCurrentIndex(index);
        emit m_window->Filter()->activated(index);
    }

private slots:
    void init()
    {
        m_program = StartInEnglish(m_store);
        m_dir = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        m_window.reset();
        Program().Catalogue().Clear();
        m_dir.reset();
        m_program.reset();
    }

    void emptyCatalogueShowsOneEmptyRowAndOnlyCreate()
    {
        TFormWiresBase &w = Open({});
        w.Manage();
        QCOMPARE(w.Grid()->rowCount(), 1);
        QCOMPARE(Cell(w.Grid(), 0, 0), QString());
        QVERIFY(!Button("ButEdit")->isEnabled());
        QVERIFY(!Button("ButDelete")->isEnabled());
        QVERIFY(!Button("ButSelect")->isEnabled());
        QVERIFY(Button("ButCreate")->isEnabled());
        QVERIFY(Button("ButCreate")->isVisible());
        QVERIFY(!Button("ButSelect")->isVisible());
        QCOMPARE(w.SelectedWire(), TWireRec {});
    }

    void emptyGroupViewKeepsButtonsButActsOnNothing()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("AC 70/11", 1, 11.4), Wire("ПС-35", 5, 7.5)});
        w.Manage();
        ChooseFilter(3);
        QCOMPARE(w.Grid()->rowCount(), 1);
        QCOMPARE(Cell(w.Grid(), 0, 0), QString());
        QVERIFY(Button("ButEdit")->isEnabled());
        QVERIFY(Button("ButDelete")->isEnabled());
        w.EditClick();
        w.DeleteClick();
        QVERIFY(prompts.asked.isEmpty());
        QCOMPARE(w.SelectedWire(), TWireRec {});
        QCOMPARE(Program().Catalogue().Count(), 2);
        QCOMPARE(w.Modified(), 0);

        ChooseFilter(5);
        QCOMPARE(w.Grid()->rowCount(), 1);
        QCOMPARE(Cell(w.Grid(), 0, 0), QString("ПС-35"));
    }

    void createPreselectsTheFilteredGroupOrOthers_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<int>("shownItem");
        QTest::addColumn<int>("storedGroup");
        QTest::newRow("group 3") << 3 << 2 << 3;
        QTest::newRow("whole catalogue") << 0 << 6 << 7;
    }
    void createPreselectsTheFilteredGroupOrOthers()
    {
        QFETCH(int, filter);
        QFETCH(int, shownItem);
        QFETCH(int, storedGroup);
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 10)});
        w.Manage();
        ChooseFilter(filter);
        int preselected = -2;
        QString groupText;
        prompts.dialogs = {[&](QDialog &dialog) {
            auto &editor = static_cast<TFormWiresEdit &>(dialog);
            preselected = editor.GroupBox()->currentIndex();
            groupText = editor.GroupBox()->currentText();
            return TypeWire("NEW", "12.5")(dialog);
        }};
        w.CreateClick();
        QCOMPARE(preselected, shownItem);
        QCOMPARE(prompts.Kinds(), QStringList {"Exec"});
        QCOMPARE(prompts.asked[0].text, QString("FormWiresEdit"));
        if (filter == 0)
            QCOMPARE(groupText, QString("Others"));
        const TWireRec added = Program().Catalogue().FindByName("NEW");
        QCOMPARE(added.Group, storedGroup);
        QCOMPARE(added.Diam, 12.5);
        QCOMPARE(added.Koef, 1.92e-5);
        QCOMPARE(Program().Catalogue().IndexOfName("NEW"), 1);
        QCOMPARE(w.Modified(), 1);
        const int last = w.Grid()->rowCount() - 1;
        QCOMPARE(w.Grid()->currentRow(), last);
    }

    void cancelledCreateChangesNothing()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 10)});
        prompts.dialogs = {Reject};
        w.CreateClick();
        QCOMPARE(Program().Catalogue().Count(), 1);
        QCOMPARE(w.Modified(), 0);
    }

    // The editor converts its fields when the user confirms; a bad one keeps it open with
    // everything typed, and the catalogue changes only with the corrected wire.
    void badNumberKeepsTheEditorOpenAndTheCatalogueUnchanged()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 10)});
        QString nameAfterError;
        int resultAfterError = -1;
        int countAfterError = -1;
        prompts.dialogs = {[&](QDialog &dialog) {
            auto &editor = static_cast<TFormWiresEdit &>(dialog);
            TypeWire("B", "12")(dialog);
            editor.SechField()->setText("1.2.3");
            editor.setResult(QDialog::Rejected);
            editor.accept();
            resultAfterError = editor.result();
            nameAfterError = editor.NameField()->text();
            countAfterError = Program().Catalogue().Count();
            editor.SechField()->setText("123");
            editor.accept();
            return editor.result();
        }};
        w.CreateClick();
        QCOMPARE(resultAfterError, int(QDialog::Rejected));
        QCOMPARE(nameAfterError, QString("B"));
        QCOMPARE(countAfterError, 1);
        QCOMPARE(prompts.Last("Error"), QString("\"Sectional area\": \"1.2.3\" is not a number."));
        QCOMPARE(Program().Catalogue().Count(), 2);
        QCOMPARE(Program().Catalogue().FindByName("B").Sech, 123.0);
        QCOMPARE(w.Modified(), 1);
    }

    void editOfABadNumberThatIsCancelledKeepsTheRecord()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 10)});
        prompts.dialogs = {[&](QDialog &dialog) {
            auto &editor = static_cast<TFormWiresEdit &>(dialog);
            editor.DiamField()->blockSignals(true);
            editor.DiamField()->setText("1..");
            editor.DiamField()->blockSignals(false);
            editor.accept();
            editor.reject();
            return editor.result();
        }};
        w.EditClick();
        QCOMPARE(prompts.Last("Error"), QString("\"Diameter\": \"1..\" is not a number."));
        QCOMPARE(Program().Catalogue().GetWire(0), Wire("A", 1, 10));
        QCOMPARE(w.Modified(), 0);
    }

    void duplicateNamesActOnTheFirstRecordOfThatName()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("X", 1, 10), Wire("X", 1, 20)});
        w.Manage();
        // Sorting by name leaves two equal names in either order.
        const double first = Program().Catalogue().GetWire(0).Diam;
        const double second = Program().Catalogue().GetWire(1).Diam;
        QCOMPARE(w.Grid()->rowCount(), 2);
        QCOMPARE(Cell(w.Grid(), 1, 1), QString::number(second));
        w.Grid()->setCurrentCell(1, 0);
        QCOMPARE(w.SelectedWire().Diam, first);

        QString shownDiam;
        prompts.dialogs = {[&](QDialog &dialog) {
            shownDiam = static_cast<TFormWiresEdit &>(dialog).DiamField()->text();
            return TypeWire("X", "15")(dialog);
        }};
        w.EditClick();
        QCOMPARE(shownDiam, QString::number(first));
        QCOMPARE(Program().Catalogue().GetWire(0).Diam, 15.0);
        QCOMPARE(Program().Catalogue().GetWire(1).Diam, second);
        // Only the selected row is re-shown: it now shows the first record.
        QCOMPARE(Cell(w.Grid(), 1, 1), QString("15"));

        prompts.yesNo = {true};
        w.DeleteClick();
        QCOMPARE(Program().Catalogue().Count(), 1);
        QCOMPARE(Program().Catalogue().GetWire(0).Diam, second);
        QCOMPARE(w.Modified(), 2);
    }

    void unitsMode1ShowsAndStoresTheModulusInKiloNewtons()
    {
        Program().SetUnits(1);
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 10, 8250)});
        w.Manage();
        QCOMPARE(Cell(w.Grid(), 0, 4), QString("82.5"));
        QVERIFY(w.Grid()->horizontalHeaderItem(4)->text().contains("kN/mm²"));

        QString shownModulus;
        prompts.dialogs = {[&](QDialog &dialog) {
            shownModulus = static_cast<TFormWiresEdit &>(dialog).ModlField()->text();
            return Accept(dialog);
        }};
        w.EditClick();
        QCOMPARE(shownModulus, QString("82.5"));
        QCOMPARE(Program().Catalogue().GetWire(0).Modl, 8250.0);

        prompts.dialogs = {TypeWire("B", "5", "82.5")};
        w.CreateClick();
        QCOMPARE(Program().Catalogue().FindByName("B").Modl, 8250.0);
    }

    void headingsWriteSquareMillimetres()
    {
        for (const int language : {0, 1}) {
            Program().SetLanguage(language);
            TFormWiresBase &w = Open({Wire("A", 1, 10)});
            w.Manage();
            const QString mm2 = language == 0 ? "mm²" : "мм²";
            for (const int column : {2, 4}) {
                const QString heading = w.Grid()->horizontalHeaderItem(column)->text();
                QVERIFY2(heading.endsWith(mm2) && !heading.contains('^'), qPrintable(heading));
            }
            w.hide();
        }
    }

    void storedGroup9OpensWithNoGroupAndIsStoredAs0()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("G9", 9, 10)});
        int shownItem = -2;
        prompts.dialogs = {[&](QDialog &dialog) {
            shownItem = static_cast<TFormWiresEdit &>(dialog).GroupBox()->currentIndex();
            return Accept(dialog);
        }};
        w.EditClick();
        QCOMPARE(shownItem, -1);
        QCOMPARE(Program().Catalogue().GetWire(0).Group, 0);
    }

    void sortThenCloseDoesNotRewriteTheFile()
    {
        TFormWiresBase &w = Open({Wire("A", 1, 30), Wire("B", 1, 10), Wire("C", 1, 20)});
        w.Manage();
        const std::string before = ReadFileBytes(CatalogueFile());
        QHeaderView *header = w.Grid()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        QCOMPARE(Cell(w.Grid(), 0, 0), QString("B"));
        QCOMPARE(Cell(w.Grid(), 2, 0), QString("A"));
        QCOMPARE(Program().Catalogue().GetWire(0).Name, std::string("B"));
        QCOMPARE(w.Modified(), 0);
        w.SaveIfModified();
        QCOMPARE(ReadFileBytes(CatalogueFile()), before);
    }

    void oneChangeThenCloseRewritesTheFile()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 30), Wire("B", 1, 10), Wire("C", 1, 20)});
        w.Manage();
        w.Grid()->setCurrentCell(2, 0);
        prompts.yesNo = {false, true};
        w.DeleteClick();
        QCOMPARE(prompts.Last("WarningYesNo"),
                 QString("Are you sure you would like to delete this wire?"));
        QCOMPARE(Program().Catalogue().Count(), 3);
        QCOMPARE(w.Modified(), 0);
        w.DeleteClick();
        QCOMPARE(Program().Catalogue().Count(), 2);
        QCOMPARE(w.Grid()->currentRow(), 1);
        QCOMPARE(w.Modified(), 1);
        w.SaveIfModified();
        TWiresList reread;
        reread.LoadFromFile(CatalogueFile());
        QCOMPARE(reread.Count(), 2);
        QCOMPARE(reread.GetWire(1).Name, std::string("B"));
    }

    // A change is in the file at once, not only at a normal exit: a session ended at logout
    // (SIGTERM, no closing of windows) keeps the wire added.
    void eachChangeIsWrittenAtOnce()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 30), Wire("B", 1, 10)});
        w.Manage();
        const auto onDisk = [this] {
            TWiresList reread;
            reread.LoadFromFile(CatalogueFile());
            QStringList names;
            for (int i = 0; i < reread.Count(); ++i)
                names << QString::fromStdString(reread.GetWire(i).Name);
            return names;
        };
        prompts.dialogs = {TypeWire("NEW", "12.5")};
        w.CreateClick();
        QCOMPARE(onDisk(), (QStringList {"A", "B", "NEW"}));
        w.Grid()->setCurrentCell(0, 0);
        prompts.yesNo = {true};
        w.DeleteClick();
        QCOMPARE(onDisk(), (QStringList {"B", "NEW"}));
        QVERIFY2(prompts.Kinds() == (QStringList {"Exec", "WarningYesNo"}),
                 qPrintable(prompts.Kinds().join(", ")));
    }

    void deleteKeyAndContextMenuRunDelete()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 30), Wire("B", 1, 10), Wire("C", 1, 20)});
        w.Manage();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.activateWindow();
        w.Grid()->setFocus();
        w.Grid()->setCurrentCell(0, 0);
        prompts.yesNo = {true, true};
        QTest::keyClick(w.Grid(), Qt::Key_Delete);
        QCOMPARE(Program().Catalogue().Count(), 2);
        QCOMPARE(Program().Catalogue().IndexOfName("A"), -1);

        QMenu *menu = w.findChild<QMenu *>();
        QVERIFY(menu);
        QStringList items;
        for (QAction *action : menu->actions())
            items << action->text();
        QCOMPARE(items, (QStringList {"Create", "Edit", "Delete"})); // the language in force
        menu->actions().at(2)->trigger();
        QCOMPARE(Program().Catalogue().Count(), 1);
        QCOMPARE(w.Modified(), 2);
    }

    void typingFilterAndTheDiameterCheck()
    {
        ScriptedPrompts prompts;
        Open({});
        TFormWiresEdit *editor = m_window->Editor();
        editor->LoadWire(TWireRec {});
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        QLineEdit *diam = editor->DiamField();
        diam->clear();
        QTest::keyClicks(diam, "-");
        QVERIFY(prompts.asked.isEmpty());
        // Nothing typed is dropped; a text that stops being a number is said once.
        diam->clear();
        QTest::keyClicks(diam, "1x2,5");
        QCOMPARE(diam->text(), QString("1x2,5"));
        QCOMPARE(prompts.Kinds(), QStringList {"Message"});
        prompts.asked.clear();
        // Unfinished numbers on the way to "1,92E-5" say nothing.
        diam->clear();
        QTest::keyClicks(diam, "1,92E-5");
        QVERIFY(prompts.asked.isEmpty());
        diam->clear();
        QTest::keyClicks(diam, "1.5");
        QVERIFY(prompts.asked.isEmpty());
        QTest::keyClicks(diam, ".");
        QCOMPARE(prompts.Kinds(), QStringList {"Message"});
        QCOMPARE(prompts.Last("Message"), QString("Error data entry"));
        QCOMPARE(diam->text(), QString("1.5."));
        QTest::keyClick(diam, Qt::Key_Backspace);
        QCOMPARE(diam->text(), QString("1.5"));
        QCOMPARE(prompts.asked.size(), 1);
        editor->hide();
    }

    // Numbers as people type them: "," or "." as the point ("0,148" is 0.148, not 148), and
    // exponents as the catalogue itself shows them.
    void editorTakesCommasAndExponents()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({});
        QStringList shown;
        prompts.dialogs = {[&](QDialog &dialog) {
            auto &editor = static_cast<TFormWiresEdit &>(dialog);
            editor.NameField()->setText("АС 95/16");
            const std::pair<QLineEdit *, const char *> typed[] = {
                {editor.DiamField(), "13,5"},    {editor.SechField(), "95.4"},
                {editor.PNagField(), "0,148"},   {editor.ModlField(), "8,25E3"},
                {editor.KoefField(), "1,92E-5"},
            };
            for (const auto &[field, text] : typed) {
                field->clear();
                QTest::keyClicks(field, text);
                shown << field->text();
            }
            return Accept(dialog);
        }};
        w.CreateClick();
        QCOMPARE(shown, (QStringList {"13,5", "95.4", "0,148", "8,25E3", "1,92E-5"}));
        QCOMPARE(prompts.Kinds(), QStringList {"Exec"});
        const TWireRec rec = Program().Catalogue().FindByName("АС 95/16");
        QCOMPARE(rec.Diam, 13.5);
        QCOMPARE(rec.Sech, 95.4);
        QCOMPARE(rec.PNag, 0.148);
        QCOMPARE(rec.Modl, 8250.0);
        QCOMPARE(rec.Koef, 1.92e-5);
    }

    void editorRefusesImpossibleValuesNamingTheField_data()
    {
        QTest::addColumn<int>("field"); // diameter, section, weight, modulus, coefficient
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("russian");
        const QString positive = "\"%1\": the value must be greater than 0.";
        const QString positiveRu = "«%1»: значение должно быть больше 0.";
        QTest::newRow("zero diameter")
            << 0 << "0" << positive.arg("Diameter") << positiveRu.arg("Диаметр");
        QTest::newRow("negative section")
            << 1 << "-95" << positive.arg("Sectional area") << positiveRu.arg("Сечение");
        QTest::newRow("zero weight") << 2 << "0,0" << positive.arg("Weight per unit length")
                                     << positiveRu.arg("Погонный вес");
        QTest::newRow("negative modulus") << 3 << "-8250" << positive.arg("Modulus of elasticity")
                                          << positiveRu.arg("Модуль упругости");
        QTest::newRow("two points in the weight")
            << 2 << "0.1.4"
            << "\"Weight per unit length\": \"0.1.4\" is not a number."
            << "«Погонный вес»: «0.1.4» — не число.";
        QTest::newRow("coefficient beyond a double")
            << 4 << "1e400"
            << "\"Linear thermal expansion coefficient\": \"1e400\" is not a number."
            << "«Коэффициент температурного линейного расширения»: «1e400» — не число.";
        // A Cyrillic "Е" looks like the exponent's "E".
        QTest::newRow("Cyrillic E in the coefficient")
            << 4 << "1,92Е-5"
            << "\"Linear thermal expansion coefficient\": \"1,92Е-5\" is not a number."
            << "«Коэффициент температурного линейного расширения»: «1,92Е-5» — не число.";
    }
    void editorRefusesImpossibleValuesNamingTheField()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, english);
        QFETCH(QString, russian);
        for (const int language : {0, 1}) {
            Program().SetLanguage(language);
            ScriptedPrompts prompts;
            TFormWiresBase &w = Open({Wire("A", 1, 10)});
            int resultAfterError = -1;
            QString keptText;
            prompts.dialogs = {[&](QDialog &dialog) {
                auto &editor = static_cast<TFormWiresEdit &>(dialog);
                TypeWire("B", "12")(dialog);
                QLineEdit *const fields[]
                    = {editor.DiamField(), editor.SechField(), editor.PNagField(),
                       editor.ModlField(), editor.KoefField()};
                fields[field]->blockSignals(true); // the diameter's own check is not this one
                fields[field]->setText(typed);
                fields[field]->blockSignals(false);
                editor.setResult(QDialog::Rejected);
                editor.accept();
                resultAfterError = editor.result();
                keptText = fields[field]->text();
                return Reject(dialog);
            }};
            w.CreateClick();
            QCOMPARE(prompts.Kinds(), (QStringList {"Exec", "Error"}));
            QCOMPARE(prompts.Last("Error"), language == 0 ? english : russian);
            QCOMPARE(resultAfterError, int(QDialog::Rejected));
            QCOMPARE(keptText, typed);
            QCOMPARE(Program().Catalogue().Count(), 1);
            QCOMPARE(w.Modified(), 0);
        }
    }

    // "?" in the file instead of the characters, without a word: refused where typed.
    void editorRefusesANameTheFileCannotHold()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 10)});
        int resultAfterError = -1;
        prompts.dialogs = {[&](QDialog &dialog) {
            resultAfterError = TypeWire("AC α/✓ α — Б", "12")(dialog);
            return Reject(dialog);
        }};
        w.CreateClick();
        QCOMPARE(prompts.Kinds(), (QStringList {"Exec", "Error"}));
        QCOMPARE(prompts.Last("Error"),
                 QString("\"Type\": the characters α ✓ cannot be stored in the file "
                         "(Windows-1251), replace them."));
        QCOMPARE(resultAfterError, int(QDialog::Rejected));
        QCOMPARE(Program().Catalogue().Count(), 1);
    }

    void storeWireCutsTheNameAndMapsTheGroups()
    {
        Open({});
        TFormWiresEdit *editor = m_window->Editor();
        TWireRec rec = Wire("A", 0, 10);
        editor->LoadWire(rec);
        QCOMPARE(editor->GroupBox()->count(), 7);
        QCOMPARE(editor->GroupBox()->currentIndex(), 6);
        QCOMPARE(editor->KoefField()->text(), QString("1.92E-5"));
        editor->NameField()->setText(QString("АС 120/19 особый"));
        editor->GroupBox()->setCurrentIndex(0);
        editor->StoreWire(rec);
        QCOMPARE(rec.Name, std::string("АС 120/19 особый"));
        QCOMPARE(rec.Group, 1);
        QCOMPARE(rec.Koef, 1.92e-5);
        editor->NameField()->setMaxLength(40);
        editor->NameField()->setText(QString("АС 120/19 особый-длинный"));
        editor->StoreWire(rec);
        QCOMPARE(rec.Name, std::string("АС 120/19 особый"));
    }

    void exportAndImportUseTheirTitlesAndImportCountsAsAChange()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 30), Wire("B", 2, 10)});
        const QString text = m_dir->path() + "/wires.txt";
        prompts.fileNames = {text};
        w.ExportClick();
        QCOMPARE(prompts.Last("Save"), QString("Экспорт в текстовый файл"));
        QCOMPARE(prompts.lastFileDialog.filter, QString("*.txt (*.txt)"));
        QCOMPARE(prompts.lastFileDialog.defaultSuffix, QString("txt"));
        QCOMPARE(w.Modified(), 0);

        WriteFileAtomically(text.toStdString(), "C;1;2;3;8250;1.9E-5;4\r\n");
        prompts.fileNames = {text};
        prompts.yesNo = {true};
        w.ImportClick();
        QCOMPARE(prompts.Last("Open"), QString("Импорт из текстового файла"));
        QCOMPARE(Program().Catalogue().Count(), 1);
        QCOMPARE(Cell(w.Grid(), 0, 0), QString("C"));
        QCOMPARE(w.Modified(), 1);
    }

    // Export and import share the folder of the catalogue's text files, kept in the settings.
    void textFileDialogsStartInTheFolderLastUsed()
    {
        m_store.texts.erase("CatalogueFolder");
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 30)});
        const QString folder = m_dir->path() + "/texts";
        QVERIFY(QDir().mkpath(folder));
        prompts.fileNames
            = {folder + "/wires.txt", QString(), m_dir->path() + "/none/x.txt", QString()};
        w.ExportClick();
        QCOMPARE(prompts.lastFileDialog.directory, QDir::homePath()); // no documents folder
        w.ImportClick();
        QCOMPARE(prompts.lastFileDialog.directory, folder);
        w.ExportClick(); // fails: its folder is not remembered
        w.ExportClick();
        QCOMPARE(prompts.lastFileDialog.directory, folder);
        QCOMPARE(m_store.Text("CatalogueFolder"), folder.toStdString());
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "Open", "Save", "Error", "Save"}));
    }

    // Import asks before it replaces the catalogue, in the current language, and says which
    // encoding the file was read in; No changes nothing.
    void importAsksFirstAndReadsUtf8OrWindows1251_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<QString>("question");
        QTest::newRow("English, UTF-8")
            << 0 << true
            << "Replace the 2 wires of the catalogue with the 3 wires of \"wires.txt\"?\n\n"
               "The file is read as UTF-8.";
        QTest::newRow("Russian, UTF-8")
            << 1 << true
            << "Заменить 2 провода справочника на 3 провода из файла «wires.txt»?\n\n"
               "Файл прочитан в кодировке UTF-8.";
        QTest::newRow("English, Windows-1251")
            << 0 << false
            << "Replace the 2 wires of the catalogue with the 3 wires of \"wires.txt\"?\n\n"
               "The file is read as Windows-1251 (it is not valid UTF-8).";
        QTest::newRow("Russian, Windows-1251")
            << 1 << false
            << "Заменить 2 провода справочника на 3 провода из файла «wires.txt»?\n\n"
               "Файл прочитан в кодировке Windows-1251 (это не UTF-8).";
    }
    void importAsksFirstAndReadsUtf8OrWindows1251()
    {
        QFETCH(int, language);
        QFETCH(bool, utf8);
        QFETCH(QString, question);
        Program().SetLanguage(language);
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 30), Wire("B", 2, 10)});
        w.Manage();
        const QString text = m_dir->path() + "/wires.txt";
        const std::string lines = "АС 120/19;15.2;136.8;0.471;8250;1.92E-5;1\r\n"
                                  "Ёлка ПС-35;7.5;37.2;0.296;20000;1.2E-5;5\r\n"
                                  "AC 70/11;11.4;79.3;0.276;8250;1.92E-5;1\r\n";
        WriteFileAtomically(text.toStdString(), utf8 ? lines : Utf8ToCp1251(lines));

        prompts.fileNames = {text};
        prompts.yesNo = {false};
        w.ImportClick();
        QCOMPARE(prompts.Kinds(), (QStringList {"Open", "WarningYesNo"}));
        QCOMPARE(prompts.Last("WarningYesNo"), question);
        QCOMPARE(Program().Catalogue().Count(), 2);
        QCOMPARE(Cell(w.Grid(), 0, 0), QString("A"));
        QCOMPARE(w.Modified(), 0);

        prompts.fileNames = {text};
        prompts.yesNo = {true};
        w.ImportClick();
        QCOMPARE(Program().Catalogue().Count(), 3);
        QCOMPARE(Cell(w.Grid(), 0, 0), QString("АС 120/19"));
        QCOMPARE(Cell(w.Grid(), 1, 0), QString("Ёлка ПС-35"));
        QCOMPARE(w.Modified(), 1);
    }

    // The shipped catalogue beside the program comes back after a question; the data
    // folder's file is written at close as after any change, the shipped one never.
    void restoreTheShippedCatalogue()
    {
        ScriptedPrompts prompts;
        const QString appDir = m_dir->path() + "/app/";
        QDir().mkpath(appDir);
        TWiresList shipped;
        for (const TWireRec &rec :
             {Wire("АС 120/19", 1, 15.2), Wire("АС 16/2.7", 1, 5.6), Wire("ТК-50", 5, 9.1)})
            shipped.Add(rec);
        shipped.SaveToFile((appDir + "base_provod.dat").toStdString());
        const std::string shippedBytes = ReadFileBytes((appDir + "base_provod.dat").toStdString());
        TFormWiresBase &w = Open({Wire("Mine", 7, 1)});
        w.Manage();
        QPushButton *restore = Button("ButRestore");
        QVERIFY(restore->isVisible());
        QCOMPARE(restore->text(), QString("Restore the shipped catalogue"));

        prompts.yesNo = {false, true};
        QTest::mouseClick(restore, Qt::LeftButton);
        QCOMPARE(prompts.Last("WarningYesNo"),
                 QString("Replace the 1 wire of the catalogue with the 3 wires of the catalogue "
                         "shipped with the program?"));
        QCOMPARE(Program().Catalogue().Count(), 1);
        QCOMPARE(w.Modified(), 0);
        QTest::mouseClick(restore, Qt::LeftButton);
        QCOMPARE(Program().Catalogue().Count(), 3);
        QCOMPARE(Cell(w.Grid(), 0, 0), QString("АС 16/2.7"));
        QCOMPARE(Cell(w.Grid(), 1, 0), QString("АС 120/19"));
        QCOMPARE(w.Modified(), 1);
        w.SaveIfModified();
        TWiresList reread;
        reread.LoadFromFile(CatalogueFile());
        QCOMPARE(reread.Count(), 3);
        QCOMPARE(ReadFileBytes((appDir + "base_provod.dat").toStdString()), shippedBytes);

        // Without a shipped file the error names it and the catalogue stays.
        QFile::remove(appDir + "base_provod.dat");
        QTest::mouseClick(restore, Qt::LeftButton);
        QVERIFY(prompts.Last("Error").contains(appDir + "base_provod.dat"));
        QCOMPARE(Program().Catalogue().Count(), 3);
        QCOMPARE(prompts.yesNo.size(), std::size_t(0));

        w.hide();
        bool shownInPicker = true;
        prompts.dialogs = {[&](QDialog &dialog) {
            dialog.show();
            shownInPicker = restore->isVisible();
            return Reject(dialog);
        }};
        w.Pick();
        QVERIFY(!shownInPicker);
    }

    // Typing in the picker's name filter narrows the list to the names holding the text in
    // any letter case, Cyrillic included; the arrow keys move in the list, Enter picks; the
    // Delete key edits the filter and deletes no wire.
    void thePickersNameFilter()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("АС 120/19", 1, 15.2), Wire("АС 95/16", 1, 13.5),
                                  Wire("АС 16/2.7", 1, 5.6), Wire("ПС-35", 5, 7.5),
                                  Wire("Ас 185/29 лёгкий", 1, 18.8)});
        QStringList shown;
        QString afterDelete;
        bool active = false;
        prompts.dialogs = {[&](QDialog &dialog) {
            dialog.show();
            dialog.activateWindow();
            active = QTest::qWaitForWindowActive(&dialog);
            QLineEdit *filter = w.NameFilter();
            TypeText(filter, "ас 1");
            for (int row = 0; row < w.Grid()->rowCount(); ++row)
                shown << Cell(w.Grid(), row, 0);
            QTest::keyClick(filter, Qt::Key_Down);
            QTest::keyClick(filter, Qt::Key_Home);
            QTest::keyClick(filter, Qt::Key_Delete);
            afterDelete = filter->text();
            TypeText(filter, "а");
            QTest::keyClick(filter, Qt::Key_Return);
            return dialog.result();
        }};
        QVERIFY(w.Pick());
        QVERIFY(active);
        QCOMPARE(shown, (QStringList {"АС 16/2.7", "АС 120/19", "Ас 185/29 лёгкий"}));
        QCOMPARE(afterDelete, QString("с 1"));
        QCOMPARE(w.SelectedWire().Name, std::string("АС 120/19"));
        QCOMPARE(Program().Catalogue().Count(), 5);
        QVERIFY(!prompts.Kinds().contains("WarningYesNo"));

        // A filter that matches nothing shows one empty row and picks nothing.
        prompts.dialogs = {[&](QDialog &dialog) {
            dialog.show();
            QTest::keyClicks(w.NameFilter(), "zz");
            w.SelectClick();
            return dialog.result();
        }};
        QVERIFY(w.Pick());
        QCOMPARE(w.Grid()->rowCount(), 1);
        QCOMPARE(w.SelectedWire(), TWireRec {});
    }

    // In the picker the Delete key on the list asks the usual question; No keeps the wire.
    void deleteKeyInThePickerAsksFirst()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 30), Wire("B", 2, 10)});
        prompts.yesNo = {false};
        bool active = false;
        prompts.dialogs = {[&](QDialog &dialog) {
            dialog.show();
            dialog.activateWindow();
            active = QTest::qWaitForWindowActive(&dialog);
            w.Grid()->setFocus();
            QTest::keyClick(w.Grid(), Qt::Key_Delete);
            return Reject(dialog);
        }};
        QVERIFY(!w.Pick("B"));
        QVERIFY(active);
        QCOMPARE(prompts.Kinds(), (QStringList {"Exec", "WarningYesNo"}));
        QCOMPARE(prompts.Last("WarningYesNo"),
                 QString("Are you sure you would like to delete this wire?"));
        QCOMPARE(Program().Catalogue().Count(), 2);
        QCOMPARE(w.Modified(), 0);
    }

    void failedImportShowsTheErrorAndKeepsTheCatalogue()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 30)});
        const QString text = m_dir->path() + "/bad.txt";
        WriteFileAtomically(text.toStdString(), "C;1;2;x;8250;1.9E-5;4\r\n");
        prompts.fileNames = {text};
        w.ImportClick();
        QCOMPARE(prompts.Last("Error"),
                 "Line 1 of \"" + text
                     + "\", the weight per metre (PNag): 'x' is not a valid floating point value.");
        QCOMPARE(Program().Catalogue().Count(), 1);
        QCOMPARE(w.Modified(), 0);
    }

    void pickWhileManagingReopensTheWindowForPicking()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 30), Wire("B", 2, 10)});
        w.Manage();
        QVERIFY(w.isVisible());
        QVERIFY(!w.SelectMode());
        bool wasHidden = false;
        bool selectShown = false;
        prompts.dialogs = {[&](QDialog &dialog) {
            wasHidden = !dialog.isVisible();
            dialog.show();
            selectShown = w.findChild<QPushButton *>("ButSelect")->isVisible()
                && !w.findChild<QPushButton *>("ButCreate")->isVisible();
            w.Grid()->setCurrentCell(1, 0);
            w.SelectClick();
            return dialog.result();
        }};
        QVERIFY(w.Pick());
        QVERIFY(wasHidden);
        QVERIFY(selectShown);
        QVERIFY(w.SelectMode());
        QCOMPARE(w.SelectedWire().Name, std::string("B"));
    }

    void pickByDoubleClickOrCancel()
    {
        ScriptedPrompts prompts;
        TFormWiresBase &w = Open({Wire("A", 1, 30), Wire("B", 2, 10)});
        prompts.dialogs = {[&](QDialog &dialog) {
                               dialog.show();
                               emit w.Grid()->cellDoubleClicked(0, 0);
                               return dialog.result();
                           },
                           [&](QDialog &dialog) {
                               dialog.show();
                               QTest::keyClick(&dialog, Qt::Key_Escape);
                               return dialog.result();
                           }};
        QVERIFY(w.Pick());
        QCOMPARE(w.SelectedWire().Name, std::string("A"));
        QVERIFY(!w.isVisible());
        QVERIFY(!w.Pick());
        QCOMPARE(Program().Catalogue().Count(), 2);
        QCOMPARE(prompts.Kinds(), (QStringList {"Exec", "Exec"}));
    }

    // Pictures of the window and the editor for a designer's eye, taken only when
    // VELMORA_SCREENSHOT_DIR names a folder (scripts/screenshots_windows.sh, under Xvfb).
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("VELMORA_SCREENSHOT_DIR is not set");
        // The catalogue a fresh install starts with.
        TWiresList shipped;
        shipped.LoadFromFile(std::string(VELMORA_APP_DIR) + "/base_provod.dat");
        std::vector<TWireRec> wires;
        for (int i = 0; i < shipped.Count(); ++i)
            wires.push_back(shipped.GetWire(i));
        TFormWiresBase &w = Open(wires);
        auto save = [&](QWidget &window, const QString &name) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTest::qWait(150);
            QVERIFY(window.grab().save(folder + "/" + name + ".png"));
        };
        ScriptedPrompts prompts;
        const QString importFile = m_dir->path() + "/wires.txt";
        WriteFileAtomically(importFile.toStdString(),
                            "АС 120/19;15.2;136.8;0.471;8250;1.92E-5;1\r\n"
                            "АС 150/24;17.1;173.2;0.599;8250;1.92E-5;1\r\n");
        for (int language : {0, 1}) {
            Program().SetLanguage(language);
            ApplyQtTranslations(
                Program().Language()); // the boxes' Yes and No as the program shows them
            const QString suffix = language == 0 ? "_en" : "_ru";
            w.hide();
            w.Manage();
            w.Grid()->setCurrentCell(1, 0);
            save(w, "catalogue_manage" + suffix);

            TFormWiresEdit *editor = w.Editor();
            editor->LoadWire(Program().Catalogue().GetWire(1));
            save(*editor, "wire_editor" + suffix);
            editor->hide();

            // The question before an import, as the Qt prompts show it.
            prompts.fileNames = {importFile};
            prompts.yesNo = {false};
            w.ImportClick();
            QMessageBox question(QMessageBox::Warning, "Velmora", prompts.Last("WarningYesNo"),
                                 QMessageBox::Yes | QMessageBox::No, &w);
            save(question, "catalogue_import_question" + suffix);
            question.hide();

            w.hide();
            prompts.dialogs = {[&](QDialog &dialog) {
                dialog.show();
                TypeText(w.NameFilter(), "ас 1");
                save(dialog, "catalogue_pick_filter" + suffix);
                return Reject(dialog);
            }};
            w.Pick("АС 150/24");
        }
        Program().SetUnits(1);
        w.hide();
        prompts.dialogs = {[&](QDialog &dialog) {
            dialog.show();
            ChooseFilter(1);
            save(dialog, "catalogue_pick_ru_kN");
            return Reject(dialog);
        }};
        w.Pick();
        w.Editor()->LoadWire(Program().Catalogue().GetWire(0));
        save(*w.Editor(), "wire_editor_ru_kN");
        w.Editor()->hide();
    }
};

VELMORA_GUI_TEST_MAIN(CatalogueTest)
#include "test_catalogue_window.moc"
