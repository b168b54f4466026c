#pragma once

#include "calc/results.h"
#include "data/project.h"
#include "gui/appwindows.h"
#include "gui/fieldchecks.h"
#include "gui/templates/formspisokshabloni.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace velmora {

enum class NaprPage;
struct Ui_FormMain;
class ResultsPane;
class ProgramContext;
class ProjectDocument;

// Runs a full calculation of project, prepared by PrepareCalculation (its wire and arguments),
// with its report (DesktopReport): the results, or nullopt when the report's save dialog was
// cancelled. Throws on errors of the engine and the report.
using CalcDriver = std::function<std::optional<CalcResults>(const TProject &project,
                                                            const PreparedCalculation &prepared)>;

// The main window: the one open project, its fields, every action of the program.
class TFormMain : public QMainWindow
{
    Q_OBJECT

public:
    // FormCreate: "." as decimal separator, the project with its defaults. The window and
    // the windows it makes show the language, units and catalogue of context.
    explicit TFormMain(ProgramContext &context, QWidget *parent = nullptr);
    ~TFormMain() override;

private:
    ProjectDocument *m_document; // the open project; made first, before CurProject names it

public:
    // The open project, its file, its undo stack and its modified state.
    ProjectDocument &Document() const { return *m_document; }
    TProject &CurProject; // the document's project
    // Full path; empty for a project never saved or opened.
    QString ProjectFileName() const;

    void ProjectToForm();
    // Takes text typed but not yet confirmed (no Enter, no focus change) into the fields; the
    // document holds their values already, each edit recorded as it is typed.
    void FormToProject();
    void ApplyLanguage();
    void ApplyUnits();
    // "D:/Work/Line 10.vlp" -> "Line 10"; "A.B.vlp" -> "A"; "" -> "".
    static QString ProjectNameOf(const QString &path);

    // True when the document is away from its clean state, or the stringing window holds
    // spans typed that are no number (not in the project yet). Sets the modified mark.
    bool IsModified();
    // The title's modified mark ("*") as IsModified tells it. Cheap; touches nothing.
    void ShowModifiedMark();
    // The project as it stands is the document's clean state (after new, open and save).
    void MarkSaved();

    // The calculation the calculate action runs (the engine with its report by default).
    void SetCalcDriver(CalcDriver driver) { m_calcDriver = std::move(driver); }
    // The engine with the spreadsheet report under the program's folder.
    CalcDriver DefaultCalcDriver() const;
    // The program's state this window was given, for the windows it makes.
    ProgramContext &Context() const { return m_program; }

    // Project actions (also reachable through the actions of the menu).
    void ActNewProject();
    void ActOpenProject();
    // Opens the project at path the way Project → Open does once its dialog has chosen the
    // file: the save prompt first (Cancel calls the open off), then the file, a relative path
    // taken against the current folder. Throws the open failure, the open project left as it
    // was. The start-up file, a dropped file and a recent project all come here.
    void OpenProjectFile(const QString &path);

    // The first showing runs the first display (folders, captions, fields) beforehand.
    void setVisible(bool visible) override;
    // The windows this window made at start-up (CreateAppWindows) and owns.
    const AppWindows &OwnWindows() const { return m_windows; }
    // The wire catalogue changed: the live results and the field warnings follow (the project
    // may use a wire changed).
    void CatalogueChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    // A local .vlp file dragged onto the window, its fields included, opens with
    // OpenProjectFile once the drop has ended.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ConnectUi();
    void FormShow();
    // The fields as they stand (typed text included) into dat, without touching the fields.
    void FieldsToDat(TDAT &dat) const;
    void WatchChanges();
    NaprPage ShownNaprPage() const;

    // The file at path into the open project (all or nothing), its name, caption and the
    // recent projects. Throws the open failure.
    void ReadProjectFile(const QString &path);
    // The recent projects' entries in the Project menu, from the settings store.
    void ShowRecentProjects();
    // A recent entry: a file that is gone leaves the list with a message, any other opens.
    void OpenRecentProject(const QString &path);
    void ActClearRecentExecute();
    // Takes a drag or drop of a project file: accepts it, and for a drop opens the file.
    bool TakeProjectDrop(QDropEvent *event);

    // The document's project afresh (after new and open): the fields, the name, the mark.
    void DocumentReplaced();
    // Text typed in a field: the live results follow, also a text that holds no number.
    void ShowTypedText();

    void ActSaveProject();
    void ActProjectSaveAsExecute();
    void ActCalcProjectExecute();
    void RgCalcRegimeClick();
    // A mode choice clicked: the modes it gives as one step.
    void RegimeChosen();
    void ProvodButtonClick();
    void ButKlimatParamClick();
    void ActExitExecute();
    void ActWiresGuideExecute();
    void ActCadExecute();
    void ActStringingExecute();
    void ActProfileExecute();
    void ActSettingLanguageExecute();
    void ActUnitsExecute();
    void ActHelpExecute();
    void ActAboutExecute();

    bool SaveProjectDlg();
    bool SaveProjectNow();
    // False, with the refusal that names the span, while the stringing window holds a span
    // that is no number (it is not in the project, and saving would drop it).
    bool MaySaveSpans();
    // Writes the project to path; on success path is the document's file.
    void WriteProjectFile(const QString &path);
    bool FormCloseQuery();
    void FormClose();
    void ShowProjectName();
    void ShowTitle();
    bool CalculationAllowed(const TDAT &dat);
    // The first field (in the window's order; of the tension pages the one shown) whose text
    // holds no value, named with its note; none when every field holds one.
    FieldRefusal FieldWithoutValue() const;
    // The warnings of the input as it stands (PrepareCalculation) in the notes of their fields.
    void ShowFieldWarnings();
    // The tension pair of the page not typed on, from the one typed on, over the section of
    // the wire in its field (nothing without one); the pair joins the step of field.
    void LinkTensions(NaprPage typed, const QString &field);
    // The fields as they stand into the document as a step (field names it: typing into one
    // field is one step); nothing while the fields are being filled from the project.
    void RecordFields(const QString &field);
    void RecordDat(const TDAT &after, const QString &field);
    // An undo or redo of the fields: the fields show the project's input again.
    void ShowDocumentFields();
    // Edit → Undo / Redo over the document's stack.
    void MakeEditMenu();
    void RetranslateEditMenu();
    // A pair of 0 not chosen (as a file holds it) derived from the chosen one.
    void DeriveUnchosenTensions();
    // Focus and selection on the field whose label has this string-table key.
    void FocusField(const char *labelKey);

    ProgramContext &m_program;
    std::unique_ptr<Ui_FormMain> m_ui;
    CalcDriver m_calcDriver;
    friend void CreateAppWindows(ProgramContext &, const std::function<void(int)> &);
    AppWindows m_windows;
    QString AppDir; // folder of the program file, with a trailing "/"
    QString ProjectsDir; // AppDir + "Projects/": the shipped example projects
    bool m_shown = false;
    bool m_closed = false;
    QString m_saveDialogFile; // the save dialog's file name box as the dialog last left it
    ResultsPane *m_resultsPane = nullptr;
    bool m_showingFields = false; // the fields are being filled: their signals record nothing
    bool m_recordingFields = false; // a step of the fields is being pushed: they show it
    QMenu *m_editMenu = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
};

} // namespace velmora
