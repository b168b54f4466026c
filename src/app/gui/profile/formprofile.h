#pragma once

#include "calc/spotting.h"
#include "data/project.h"
#include "gui/profile/profilecheck.h"
#include "gui/profile/profileimport.h"
#include "l10n/units.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QThread;
class QTimer;
class QUndoStack;

namespace velmora {

class ProfileView;
class ProgramContext;
class ProjectDocument;
class TWiresList;
struct ProfileTitleBlock;

// What the profile window is given: the open project and the program's state.
struct ProfileHost
{
    ProjectDocument *document = nullptr; // the open project; its line is edited through it
    const ProgramContext *context = nullptr; // the program's state the window shows; not null
};

// The modeless window of the open project's line on its ground: the profile drawn at the
// template's scales with the wire, the clearance line and every violation, the list of the
// violations, the table of the towers and the ruling-span verification, all from the check of
// the core in the conditions of the chosen template. Towers are moved by dragging (to the
// grid step), added by a double click, retyped in the table and deleted after a question; the
// spotting proposes the cheapest line. Every edit is a step on the document's undo stack (the
// modified mark and the save prompt see it); the window follows the document's line.
class TFormProfile : public QDialog
{
    Q_OBJECT

public:
    explicit TFormProfile(ProfileHost host, QWidget *parent = nullptr);
    ~TFormProfile() override;

    // The project's line afresh (the document's projectReplaced, after new and open).
    void ProjectReplaced();

    ProfileView *View() const { return m_view; }
    QTableWidget *TowerTable() const { return m_table; }
    QListWidget *ViolationList() const { return m_violations; }
    QComboBox *TemplateBox() const { return m_templateBox; }
    QLabel *RulingLine() const { return m_ruling; }
    // The template's and the cold state's stress and tensile force, in the program's units.
    QLabel *ConditionsLine() const { return m_conditions; }
    // Where the window's last file was written.
    QLabel *WrittenLine() const { return m_written; }
    // The document's stack, which the window's edits go onto.
    QUndoStack *UndoStack() const;
    QPushButton *SpotButton() const { return m_spotButton; }
    QPushButton *CancelButton() const { return m_cancelButton; }
    // The check shown, or nothing while the line cannot be checked (then Refusal says why).
    const std::optional<ProfileCheck> &Check() const { return m_check; }
    QString Refusal() const { return m_refusal; }
    // The project's template the window checks with, -1 when none has a type.
    int TemplateIndex() const;
    double GridStep() const;
    // True while the spotting runs.
    bool Spotting() const { return m_worker != nullptr; }

    // Edits, each one undoable step (also reached through the view and the table).
    void MoveTower(int index, double station);
    void AddTower(double station);
    void SetTowerType(int index, int type);
    void DeleteTower(int index);
    void SpotClick();
    void CancelSpotClick();
    // Reads a file of records of kind, shows them as read and replaces the line's on Yes
    // (one undoable step).
    void ImportLine(LineImportKind kind);
    // The exports: the DXF profile drawing, the tower schedule workbook, a picture of the view
    // (PNG, SVG or PDF by the name), the printout with its title block.
    void ExportDrawing();
    void ExportSchedule();
    void ExportPicture();
    void PrintProfileClick();

signals:
    // After the window showed a change of the document's line.
    void LineChanged();
    // After a spotting ended (found, none, cancelled or refused).
    void SpottingEnded();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // What the window reads of the program: language, units, catalogue (all here).
    const ProgramContext &Context() const;
    Lang Language() const;
    UnitFactors Factors() const;
    const TWiresList &Catalogue() const;

    TProject &Project() const;
    LineProfile &Line();
    void BuildUi();
    void RetranslateUi();
    void FillTemplates();
    void TemplatePicked();
    // Checks the line afresh and shows it everywhere.
    void Refresh();
    void ShowTable();
    void ShowViolations();
    void ShowRuling();
    void ShowConditions();
    void ShowView();
    void SelectTower(int index, bool centre);
    // The document's line changed (an edit, its undo or redo): shown afresh.
    void DocumentLineChanged();
    // The check afresh, or nothing after telling the user why there is none.
    bool CheckForExport();
    ProfileTitleBlock TitleBlock() const;
    QString ProjectName() const;
    // Says in the window and in the main window's status bar where a file went.
    void Written(const QString &path);
    // The towers were changed in place from before: the change becomes one step.
    void PushTowers(std::vector<Tower> before, const QString &text);
    // station on the grid inside the ground, or nothing when a tower stands there already.
    std::optional<double> SiteNear(double station) const;
    void TowerDragged(int index, double station);
    void TowerDropped(int index);
    void DeleteClick();
    void SpotFinished();

    ProfileHost m_host;
    ProfileView *m_view = nullptr;
    QComboBox *m_templateBox = nullptr;
    QLabel *m_templateLabel = nullptr;
    QLabel *m_hLabel = nullptr;
    QLabel *m_vLabel = nullptr;
    QLabel *m_gridLabel = nullptr;
    QSpinBox *m_hScale = nullptr;
    QSpinBox *m_vScale = nullptr;
    QDoubleSpinBox *m_grid = nullptr;
    QCheckBox *m_cold = nullptr;
    QPushButton *m_undoButton = nullptr;
    QPushButton *m_redoButton = nullptr;
    QPushButton *m_spotButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_ruling = nullptr;
    QLabel *m_conditions = nullptr;
    QLabel *m_written = nullptr;
    QPushButton *m_importButton = nullptr;
    QPushButton *m_exportButton = nullptr;
    QMenu *m_importMenu = nullptr;
    QMenu *m_exportMenu = nullptr;
    QLabel *m_violationsLabel = nullptr;
    QListWidget *m_violations = nullptr;
    QLabel *m_towersLabel = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_closeButton = nullptr;

    std::vector<int> m_templates; // the project's indexes of the templates listed
    std::optional<ProfileCheck> m_check;
    QString m_refusal;
    double m_wireSection = 0; // mm², of the wire the check was made with
    QStringList m_typeNames; // the tower types the table's boxes list
    int m_selected = -1;
    std::vector<Tower> m_dragBefore; // the towers when a drag began; empty while none runs
    bool m_filling = false;
    bool m_geometryRestored = false;

    // The spotting in its worker thread.
    QThread *m_worker = nullptr;
    QTimer *m_progressTimer = nullptr;
    std::atomic<bool> m_stop {false};
    std::atomic<double> m_fraction {0};
    SpottingResult m_spotResult;
    QString m_spotError;
    std::vector<Tower> m_spotFrom; // the towers the spotting started from
};

} // namespace velmora
