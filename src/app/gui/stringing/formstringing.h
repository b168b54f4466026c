#pragma once

#include "calc/stringing.h"
#include "data/project.h"
#include "gui/programcontext.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace velmora {

struct Ui_FormStringing;
class TSectionNameDialog;
class ProjectDocument;

// What the stringing-table window is given: the open project and the program's state.
struct StringingHost
{
    // The open project; the window edits its sections in place, each change then a step on
    // its undo stack. Not null.
    ProjectDocument *document = nullptr;
    // The language, units and catalogue the window shows, calculates and writes with.
    const ProgramContext *context = nullptr; // the program's state the window shows; not null
};

// The modeless window of the open project's anchor sections and their stringing tables: the
// sections (add, rename, duplicate, delete after a question), the spans of the chosen one
// (typed, pasted from a spreadsheet or text, imported from a CSV or text file), its stringing
// temperatures, and its table and plot of sags, calculated from the main window's climate and
// wire as they stand. Every change goes into the project's sections and becomes a step on the
// document's undo stack; the window follows an undo or redo. A span that is no number stays in the
// list as typed, marked, and keeps the section in the window until it is corrected; numbers outside
// the limits are kept in the section and refused with the message that names their position and
// value.
class TFormStringing : public QDialog
{
    Q_OBJECT

public:
    explicit TFormStringing(StringingHost host, QWidget *parent = nullptr);
    ~TFormStringing() override;

    // The project's sections afresh (the document's projectReplaced, after new and open): the
    // first one chosen, nothing typed kept.
    void ProjectReplaced();

    const Ui_FormStringing &Widgets() const { return *m_ui; }
    TSectionNameDialog *NameDialog() const { return m_nameDialog; }
    // The chosen section's index, -1 when the project has none.
    int CurrentSection() const { return m_current; }
    // The chosen section's calculated table, or nothing while it has none.
    const std::optional<SectionTable> &Table() const { return m_table; }
    // Why the chosen section has no table (empty when it has one).
    QString Refusal() const;
    // Non-empty while the spans list holds a text that is no number, which is not in the
    // project: the refusal that names its position. The project counts as modified meanwhile
    // and is not saved.
    QString UnacceptedSpans() const { return m_spansRefusal; }

    // The file the spans are read from at most: a list of 200 spans is far smaller.
    static constexpr std::size_t MaxSpansFileBytes = std::size_t(1) << 20;

signals:
    // After the sections or one of them changed (the main window's modified mark).
    void SectionsChanged();

public slots:
    void AddClick();
    void RenameClick();
    void DuplicateClick();
    void DeleteClick();
    // Puts the numbers of text (a spreadsheet's cells, lines of a text) into the spans from
    // the current row on.
    void PasteSpans(const QString &text);
    void PasteClick();
    void ImportClick();
    void ExportClick();
    void CopyClick();
    void PrintClick();

protected:
    void showEvent(QShowEvent *event) override;
    // Coming to the front, the window follows what changed in the main window meanwhile.
    void changeEvent(QEvent *event) override;

private:
    struct Basis;
    // What the shown table was calculated from besides the section.
    struct Inputs
    {
        TDAT dat;
        TKlimatKoef koef;
        double forceFactor = 1;
        int language = 0;
        std::string wire; // the catalogue's record as a line: a wire edited there counts
        bool operator==(const Inputs &) const = default;
    };

    TSectionList &Sections();
    TSection *Current();
    void FillList(int select);
    void ShowSection(int index);
    void SectionPicked(int row);
    bool MayLeaveSection();
    void SpansEdited();
    void TemperaturesEdited();
    void Recalculate(bool announce);
    void Refuse(const QString &text, bool announce);
    void ShowTable();
    // The mark of a table whose state exceeds a permissible stress at l_r (hidden otherwise).
    void ShowOverLimits();
    const ProgramContext &Context() const { return *m_host.context; }
    void UpdateButtons();
    bool PrepareBasis(Basis &basis, QString &refusal);
    QString SummaryText() const;
    // After a change of the sections in place: the change as a step, SectionsChanged.
    void Changed();
    // The document's sections changed by an undo or redo: shown afresh.
    void DocumentSectionsChanged();
    Inputs CurrentInputs();
    // Shows fields as read ("2 spans: 120.15, 180.2") and asks whether to take them.
    bool MayTake(const QStringList &fields) const;
    // Recalculates when the main window's data, the units or the language changed since the
    // table was made (the table of the copy and the printout is never an old one).
    void FollowMainWindow();

    StringingHost m_host;
    std::unique_ptr<Ui_FormStringing> m_ui;
    TSectionNameDialog *m_nameDialog = nullptr;
    int m_current = -1;
    // Non-empty while the spans list holds a text that is no number: what was typed is only
    // in the list, not in the section.
    QString m_spansRefusal;
    QString m_refusal; // why there is no table
    QString m_wireName;
    std::optional<SectionTable> m_table;
    Inputs m_inputs;
    bool m_filling = false;
    TSectionList m_recorded; // the sections as the document's last step left them
    bool m_recording = false; // a step of this window is being pushed
};

} // namespace velmora
