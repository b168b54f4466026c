#include "guitest.h"

#include "catalogue/catalogue.h"
#include "example_project.h"
#include "example_wire.h"

#include "fake_settings.h"
#include "gui/document/projectdocument.h"
#include "gui/templates/formautoshabloni.h"
#include "gui/templates/formspisokshabloni.h"
#include "gui/templates/templatepreview.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <QLineSeries>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QValueAxis>

#include <memory>

using namespace velmora;
using namespace velmora::test;

namespace {

// A template proper at 1 : 5000 / 1 : 500, as in the drawing's tests.
TShablon Proper(const std::string &name)
{
    TShablon shablon;
    shablon.Name = name;
    shablon.TipShablona = 0;
    shablon.Krivie = -1;
    shablon.PR = 300;
    shablon.VP = 15.5;
    shablon.TG = 7;
    shablon.Zapas = 0.5;
    return shablon;
}

// γ = 3.5E-3 daN/(m·mm²) and σ = 7 daN/mm²: the template coefficient k = 2.5 m.
TemplateEngineAnswer FixedEngine(const TProject &, int, const CalcArgs &)
{
    return {true, 3.5e-3, 7, {}};
}

QList<QLineSeries *> Curves(TemplatePreview *preview)
{
    QList<QLineSeries *> curves;
    for (QAbstractSeries *series : preview->chart()->series()) {
        if (series->property("curve").isValid())
            curves << qobject_cast<QLineSeries *>(series);
    }
    return curves;
}

} // namespace

class TemplatePreviewTest : public QObject
{
    Q_OBJECT

private:
    FakeSettingsStore m_store;
    std::unique_ptr<ProgramContext> m_program;
    ProjectDocument m_document; // the open project the list shows
    TProject &m_project = m_document.Project();
    std::unique_ptr<TFormSpisokShabloni> m_list;

    TFormSpisokShabloni &Open(const std::vector<TShablon> &templates)
    {
        for (const TShablon &t : templates)
            m_project.Shablons.Add(t);
        TemplateHost host;
        host.document = &m_document;
        m_list = std::make_unique<TFormSpisokShabloni>(Program(), host);
        m_list->SetTemplateEngine(FixedEngine);
        m_list->resize(960, 420);
        m_list->show();
        return *m_list;
    }

private slots:
    void init()
    {
        m_program = StartInEnglish(m_store);
        StartWithTheExampleWire(m_document);
    }
    void cleanup()
    {
        m_list.reset();
        Program().Catalogue().Clear();
        m_program.reset();
    }

    // The k = 2.5 example: the sag curve passes through the drawing's (20, 5) and (60, 45).
    void theCurvesAreThoseOfTheDrawing()
    {
        ScriptedPrompts prompts;
        TShablon curve = Proper("Кривая");
        curve.TipShablona = -1;
        curve.Krivie = 0;
        curve.Temperatura = 5;
        TFormSpisokShabloni &w = Open({Proper("Габарит"), curve});
        TemplatePreview *preview = w.Preview();
        QVERIFY(preview->Reason().isEmpty());
        QList<QLineSeries *> curves = Curves(preview);
        QCOMPARE(curves.size(), 3); // sag, ground, clearance
        const QList<QPointF> sag = curves[0]->points();
        QCOMPARE(sag.size(), 601);
        QVERIFY(sag.contains(QPointF(20, 5)));
        QVERIFY(sag.contains(QPointF(60, 45)));
        QVERIFY(sag.contains(QPointF(0, 0)));
        // Ground lowered by VP = 15.5 m (31 mm), clearance by 7.5 m (15 mm) at 1 : 500.
        QVERIFY(curves[1]->points().contains(QPointF(0, -31)));
        QVERIFY(curves[2]->points().contains(QPointF(0, -15)));
        QCOMPARE(curves[0]->name(), "Sag curve");
        QCOMPARE(preview->chart()->title(), "Габарит: k = 2.5 m");

        // A millimetre of the drawing is as long across as up.
        auto *x = qobject_cast<QValueAxis *>(preview->chart()->axes(Qt::Horizontal).first());
        auto *y = qobject_cast<QValueAxis *>(preview->chart()->axes(Qt::Vertical).first());
        const QRectF plot = preview->chart()->plotArea();
        QVERIFY(qAbs((x->max() - x->min()) / plot.width() - (y->max() - y->min()) / plot.height())
                < 1e-6 * (x->max() - x->min()));
        QVERIFY(x->min() <= -60 && x->max() >= 60 && y->min() <= -31 && y->max() >= 45);

        // The second row: a plain curve has the sag curve alone.
        w.Grid()->setCurrentCell(1, 0);
        QCOMPARE(Curves(preview).size(), 1);
        QVERIFY(prompts.asked.isEmpty());
    }

    void aTemplateThatCannotBeDrawnSaysWhy()
    {
        ScriptedPrompts prompts;
        TShablon none = Proper("Ничего");
        none.TipShablona = -1; // neither a type nor a curve
        TShablon flat = Proper("Плоский");
        flat.MG = 0;
        TFormSpisokShabloni &w = Open({none, flat});
        QCOMPARE(w.Preview()->Reason(), "The type of the pattern (curve) is not indicated.");
        QVERIFY(Curves(w.Preview()).isEmpty());
        w.Grid()->setCurrentCell(1, 0);
        QCOMPARE(w.Preview()->Reason(), ZeroScaleReason);
        // In the language in force.
        Program().SetLanguage(1);
        w.UpdatePreview();
        QCOMPARE(w.Preview()->Reason(), "Масштаб шаблона равен 0: чертить нечего");
        QVERIFY(prompts.asked.isEmpty());
    }

    // A climate that "Port to Cad" refuses is refused here too, in the same words, in place.
    void anImpossibleClimateIsRefusedAsTheDrawingRefusesIt()
    {
        ScriptedPrompts prompts;
        m_project.Dat.Tols = -1;
        TFormSpisokShabloni &w = Open({Proper("Габарит")});
        const QString refusal
            = "Error data entry!\n\"Ice thickness\": the value must not be negative.";
        QCOMPARE(w.Preview()->Reason(), refusal);
        QVERIFY(Curves(w.Preview()).isEmpty());
        QVERIFY(prompts.asked.isEmpty());
        w.AcadRun();
        QCOMPARE(prompts.Kinds(), QStringList {"Error"});
        QCOMPARE(prompts.Last("Error"), refusal);
    }

    // A wire typed with Latin look-alikes is named with the catalogue's name, in place and by
    // "Port to Cad", in the language in force, and no drawing file is left behind.
    void aMissingWireIsNamedWithTheNearestNameAndNothingIsWritten_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("English") << 0
                                 << "The wire \"AC 35/6.2\" is not in the reference catalog. "
                                    "Did you mean \"АС 35/6.2\"?";
        QTest::newRow("Russian") << 1
                                 << "Провода «AC 35/6.2» нет в справочнике. Возможно, имелся в "
                                    "виду «АС 35/6.2»?";
    }
    void aMissingWireIsNamedWithTheNearestNameAndNothingIsWritten()
    {
        QFETCH(int, language);
        QFETCH(QString, message);
        Program().SetLanguage(language);
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        m_project.Dat.Provod = "AC 35/6.2";
        TFormSpisokShabloni &w = Open({Proper("Габарит")});
        QCOMPARE(w.Preview()->Reason(), message);
        QVERIFY(Curves(w.Preview()).isEmpty());
        prompts.fileNames = {dir.path() + "/x.dxf"};
        w.AcadRun();
        QCOMPARE(prompts.Kinds(), QStringList {"Error"});
        QCOMPARE(prompts.Last("Error"), message);
        QVERIFY(QDir(dir.path()).isEmpty());
        Program().SetLanguage(0);
    }

    void anEditShowsAtOnce()
    {
        ScriptedPrompts prompts;
        TFormSpisokShabloni &w = Open({Proper("Габарит")});
        bool editorShowedIt = false;
        bool editorFollowed = false;
        prompts.dialogs = {[&](QDialog &dialog) {
            auto &editor = static_cast<TFormAutoShabloni &>(dialog);
            dialog.show(); // as the dialog's own run would
            editorShowedIt = Curves(editor.Preview()).size() == 3
                && Curves(editor.Preview())[0]->points().contains(QPointF(20, 5));
            editor.MVField()->setValue(1000); // 1 : 1000: half the height
            editorFollowed = Curves(editor.Preview())[0]->points().contains(QPointF(20, 2.5));
            return Accept(dialog);
        }};
        w.ButEditClick();
        QVERIFY(editorShowedIt);
        QVERIFY(editorFollowed);
        QVERIFY(Curves(w.Preview())[0]->points().contains(QPointF(20, 2.5)));
    }
};

VELMORA_GUI_TEST_MAIN(TemplatePreviewTest)
#include "test_template_preview.moc"
