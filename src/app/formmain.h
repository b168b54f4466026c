#pragma once

#include "calc/driver.h"
#include "data/project.h"
#include "templates/formspisokshabloni.h"

#include <QMainWindow>
#include <QString>

#include <functional>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

namespace velmora {

class DecimalField;
class IntegerField;
class ResultsPane;

// Runs a full calculation with report of project (the engine's CalcProject, CalcPurpose::Full).
// Throws on errors of the engine and of the report.
using CalcDriver
    = std::function<CalcOutcome(const TProject &project, const CalcArgs &args, CalcRun &run)>;

// The main window: the one open project, its fields, every action of the program.
class TFormMain : public QMainWindow
{
    Q_OBJECT

public:
    // FormCreate: "." as decimal separator, the string table's general and main entries, the
    // project with its defaults.
    explicit TFormMain(QWidget *parent = nullptr);
    ~TFormMain() override;

    TProject CurProject;
    TProject SavedProject; // copy at the last new, open or save; only the change test reads it
    QString ProjectFileName; // full path; empty for a project never saved or opened
    QString AppDir; // folder of the program file, with a trailing "/"
    QString ProjectsDir; // AppDir + "Projects/": the shipped example projects
    int TemplateRegime = 0; // requested design mode minus 1 (template drawing)
    double TemplateGamma = 0; // daN/(m·mm²), left by the driver for the template drawing
    double TemplateNapr = 0; // daN/mm², likewise

    void ProjectToForm();
    void FormToProject();
    // The open project with the fields as they stand (typed text included), the fields
    // untouched: what the live results and the template preview show.
    TProject ShownProject() const;
    // Tensile force in daN to stress in daN/mm² over the cross-section of the project's wire
    // (an unknown wire has cross-section 0, so the result is not finite).
    double ForceToStress(double force_daN) const;
    void ApplyLanguage();
    void ApplyUnits();
    // "D:/Work/Line 10.vlp" -> "Line 10"; "A.B.vlp" -> "A"; "" -> "".
    static QString ProjectNameOf(const QString &path);

    // True when the fields or the project differ from the copy taken at the last new, open
    // or save (takes the fields into the project first). Sets the modified mark.
    bool IsModified();
    // The title's modified mark ("*"): whether the fields as typed, the coefficients or the
    // templates differ from the saved copy. Cheap; runs after every change, touches nothing.
    void ShowModifiedMark();

    // The calculation the calculate action runs (the engine with its report by default).
    void SetCalcDriver(CalcDriver driver) { m_calcDriver = std::move(driver); }
    // The engine with the spreadsheet report under the program's folder.
    static CalcDriver DefaultCalcDriver();

    // Project actions (also reachable through the actions of the menu).
    void ActNewProject();
    void ActOpenProject();
    void ActSaveProject();
    void ActProjectSaveAsExecute();
    void ActCalcProjectExecute();

    QLabel *PanelProjectName() const { return m_panelProjectName; }
    // The first showing runs the first display (folders, captions, fields) beforehand.
    void setVisible(bool visible) override;
    // What the template windows reach of this window.
    TemplateHost TemplateHostOf();

signals:
    // After new and open, so that windows showing the project's templates can refill.
    void ProjectReplaced();
    // After every change of the input (ShowModifiedMark), for the live results.
    void InputChanged();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildActions();
    void BuildMenusAndToolbar();
    QWidget *BuildClimaticGroup();
    QWidget *BuildDesignGroup();
    void BuildStatusBar();
    void FormShow();
    // The fields as they stand (typed text included) into dat, without touching the fields.
    void FieldsToDat(TDAT &dat) const;
    void WatchChanges();

    void RgCalcRegimeClick();
    void PcNaprChange();
    void ProvodButtonClick();
    void ButKlimatParamClick();
    void ActExitExecute();
    void ActWiresGuideExecute();
    void ActCadExecute();
    void ActSettingLanguageExecute();
    void ActUnitsExecute();
    void ActHelpExecute();
    void ActAboutExecute();

    bool SaveProjectDlg();
    bool SaveProjectNow();
    void WriteProjectFile();
    bool FormCloseQuery();
    void FormClose();
    void ShowProjectName();
    void ShowTitle();
    bool CalculationAllowed(const TDAT &dat);
    // Focus and selection on the field whose label has this string-table key.
    void FocusField(const char *labelKey);

    CalcDriver m_calcDriver;
    bool m_shown = false;
    bool m_closed = false;
    QString m_saveDialogFile; // the save dialog's file name box as the dialog last left it

    QAction *m_actProjectNew = nullptr;
    QAction *m_actProjectOpen = nullptr;
    QAction *m_actProjectSave = nullptr;
    QAction *m_actProjectSaveAs = nullptr;
    QAction *m_actExit = nullptr;
    QAction *m_actCalcProject = nullptr;
    QAction *m_actWiresGuide = nullptr;
    QAction *m_actCad = nullptr;
    QAction *m_actSettingLanguage = nullptr;
    QAction *m_actUnits = nullptr;
    QAction *m_actHelp = nullptr;
    QAction *m_actAbout = nullptr;
    QMenu *m_miProject = nullptr;
    QMenu *m_miCalculation = nullptr;
    QMenu *m_miReference = nullptr;
    QMenu *m_miCad = nullptr;
    QMenu *m_miSetting = nullptr;
    QMenu *m_miHelp = nullptr;
    QMenu *m_miView = nullptr;
    ResultsPane *m_resultsPane = nullptr;

    QLabel *m_panelProjectName = nullptr;
    QGroupBox *m_climaticGroup = nullptr;
    QGroupBox *m_designGroup = nullptr;
    QGroupBox *m_spansGroup = nullptr;
    QGroupBox *m_rgCalcRegime = nullptr;
    QButtonGroup *m_regimeButtons = nullptr;
    QRadioButton *m_regimeDimensional = nullptr;
    QRadioButton *m_regimeAll = nullptr;
    QTabWidget *m_pcNapr = nullptr;
    QPushButton *m_butKlimatParam = nullptr;
    QLabel *m_provodLabel = nullptr;
    QLineEdit *m_provod = nullptr;
    QToolButton *m_provodButton = nullptr;
    QLabel *m_statusText = nullptr;
    QLabel *m_statusLink = nullptr;

    struct Row
    {
        const char *labelKey;
        QLabel *label;
        QLabel *unit;
    };
    DecimalField *m_tMax, *m_tMin, *m_tSrg, *m_tvmax, *m_tGbw, *m_tGsw, *m_vMax, *m_vgol, *m_tols;
    DecimalField *m_naprMax, *m_naprSrg, *m_tagMax, *m_tagSrg;
    IntegerField *m_minProl, *m_maxProl, *m_shag;
    QList<Row> m_rows;
    QLabel *m_labUnitNaprMax, *m_labUnitNaprSrg, *m_labDaN1, *m_labDaN2;
    QList<QLabel *> m_velocityUnits, m_mmUnits, m_meterUnits;
};

} // namespace velmora
