#include "gui/stringing/formstringing.h"

#include "calc/preparation.h"
#include "catalogue/wires.h"
#include "common/cp1251.h"
#include "common/error.h"
#include "common/fileio.h"
#include "data/spantext.h"
#include "gui/dialogfolders.h"
#include "gui/document/projectdocument.h"
#include "gui/fieldchecks.h"
#include "gui/formmain.h"
#include "gui/guard.h"
#include "gui/numberfields.h"
#include "gui/platform.h"
#include "gui/prompts.h"
#include "gui/stringing/formstringing_ui.h"
#include "gui/stringing/sectionnamedialog.h"
#include "gui/stringing/spanseditor.h"
#include "gui/stringing/stringingchart.h"
#include "gui/stringing/stringinggrid.h"
#include "gui/stringing/stringingprint.h"
#include "gui/uitext.h"
#include "gui/writtenfile.h"
#include "l10n/localization.h"
#include "l10n/units.h"
#include "report/stringing_report.h"

#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>

namespace velmora {

struct TFormStringing::Basis
{
    TWireRec wire;
    CalcArgs args;
    CalcRun run;
};

namespace {

std::vector<std::string> StdTexts(const QStringList &texts)
{
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString &text : texts)
        out.push_back(text.toStdString());
    return out;
}

QStringList QtTexts(const std::vector<std::string> &texts)
{
    QStringList out;
    for (const std::string &text : texts)
        out << QString::fromStdString(text);
    return out;
}

QString ListName(const TSection &section)
{
    return section.Name.empty() ? QStringLiteral("—") : QString::fromStdString(section.Name);
}

// Refuses, before anything changes, a list that would have more spans than a section may.
bool FitsSection(const TSection &section, int spans, Lang lang)
{
    if (spans <= MaxSectionSpans)
        return true;
    TSection tooLong = section;
    tooLong.Spans.assign(static_cast<std::size_t>(spans), 1);
    try {
        CheckSection(tooLong, lang);
    } catch (const Error &e) {
        CurrentPrompts().Error(ErrorMessage(e));
    }
    return false;
}

} // namespace

TFormStringing::TFormStringing(StringingHost host, QWidget *parent)
    : QDialog(parent)
    , m_host(std::move(host))
    , m_ui(std::make_unique<Ui_FormStringing>())
{
    m_ui->setupUi(this);
    m_nameDialog = new TSectionNameDialog(this);
    m_recorded.Assign(Sections());
    connect(m_host.document, &ProjectDocument::sectionsChanged, this,
            [this] { Guarded([this] { DocumentSectionsChanged(); }); });
    connect(m_host.document, &ProjectDocument::projectReplaced, this,
            [this] { Guarded([this] { ProjectReplaced(); }); });
    // Open beside the main window, the table follows its climate and wire as they are typed,
    // quietly (a refusal is said in the window, not in a box in the middle of typing).
    for (auto change : {&ProjectDocument::fieldsChanged, &ProjectDocument::coefficientsChanged}) {
        connect(m_host.document, change, this, [this] {
            if (isVisible())
                Guarded([this] { FollowMainWindow(); });
        });
    }
    for (DecimalField *field : {m_ui->fromField, m_ui->toField, m_ui->stepField}) {
        // Taken when typing ends or a step button is pressed, not at each keystroke.
        field->setKeyboardTracking(false);
        connect(field, &DecimalField::valueChanged, this,
                [this] { Guarded([this] { TemperaturesEdited(); }); });
    }
    connect(m_ui->sectionList, &QListWidget::currentRowChanged, this,
            [this](int row) { Guarded([this, row] { SectionPicked(row); }); });
    connect(m_ui->spansEditor, &SpansEditor::Edited, this,
            [this] { Guarded([this] { SpansEdited(); }); });
    connect(m_ui->spansEditor, &SpansEditor::PasteRequested, this,
            [this] { Guarded([this] { PasteClick(); }); });
    const std::pair<QPushButton *, void (TFormStringing::*)()> buttons[] = {
        {m_ui->addButton, &TFormStringing::AddClick},
        {m_ui->renameButton, &TFormStringing::RenameClick},
        {m_ui->duplicateButton, &TFormStringing::DuplicateClick},
        {m_ui->deleteButton, &TFormStringing::DeleteClick},
        {m_ui->pasteButton, &TFormStringing::PasteClick},
        {m_ui->importButton, &TFormStringing::ImportClick},
        {m_ui->exportButton, &TFormStringing::ExportClick},
        {m_ui->copyButton, &TFormStringing::CopyClick},
        {m_ui->printButton, &TFormStringing::PrintClick},
    };
    for (const auto &[button, handler] : buttons)
        connect(button, &QPushButton::clicked, this,
                [this, handler = handler] { Guarded([this, handler] { (this->*handler)(); }); });
    connect(m_ui->insertSpanButton, &QPushButton::clicked, m_ui->spansEditor,
            &SpansEditor::InsertSpan);
    connect(m_ui->deleteSpanButton, &QPushButton::clicked, m_ui->spansEditor,
            &SpansEditor::DeleteSpan);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QWidget::hide);
    m_ui->retranslateUi(this);
    UpdateButtons();
}

TFormStringing::~TFormStringing() = default;

TSectionList &TFormStringing::Sections()
{
    return m_host.document->Project().Sections;
}

TSection *TFormStringing::Current()
{
    if (m_current < 0 || m_current >= Sections().Count())
        return nullptr;
    return &Sections().Items(m_current);
}

QString TFormStringing::Refusal() const
{
    return m_refusal;
}

void TFormStringing::Changed()
{
    if (!Sections().IsEqual(m_recorded)) {
        const TSectionList before = m_recorded;
        m_recorded.Assign(Sections());
        const QScopedValueRollback<bool> recording(m_recording, true);
        m_host.document->SectionsEditedInPlace(before, UiText("Undo_sections"));
    }
    emit SectionsChanged();
}

void TFormStringing::DocumentSectionsChanged()
{
    if (m_recording)
        return;
    m_recorded.Assign(Sections());
    m_spansRefusal.clear();
    m_refusal.clear();
    const int count = Sections().Count();
    const int index = count == 0 ? -1 : std::clamp(m_current, 0, count - 1);
    FillList(index);
    ShowSection(index);
    emit SectionsChanged();
}

void TFormStringing::showEvent(QShowEvent *event)
{
    m_ui->retranslateUi(this);
    if (m_spansRefusal.isEmpty()) {
        const int count = Sections().Count();
        const int index = count == 0 ? -1 : std::clamp(m_current, 0, count - 1);
        FillList(index);
        ShowSection(index);
    } else {
        // What was typed stays; its refusal is worded in the language now in force.
        SpansEdited();
    }
    QDialog::showEvent(event);
}

void TFormStringing::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Guarded([this] { FollowMainWindow(); });
}

TFormStringing::Inputs TFormStringing::CurrentInputs()
{
    const TProject &project = m_host.document->Project();
    return Inputs {project.Dat, project.Koef, Context().Factors().force,
                   static_cast<int>(Context().Language()),
                   WireToTextLine(Context().Catalogue().FindByName(project.Dat.Provod))};
}

void TFormStringing::FollowMainWindow()
{
    if (!m_spansRefusal.isEmpty() || CurrentInputs() == m_inputs)
        return;
    m_ui->retranslateUi(this);
    Recalculate(false);
}

void TFormStringing::ProjectReplaced()
{
    m_recorded.Assign(Sections());
    m_spansRefusal.clear();
    m_refusal.clear();
    const int index = Sections().Count() > 0 ? 0 : -1;
    FillList(index);
    ShowSection(index);
}

void TFormStringing::FillList(int select)
{
    m_filling = true;
    m_ui->sectionList->clear();
    for (int i = 0; i < Sections().Count(); ++i)
        m_ui->sectionList->addItem(ListName(Sections().Items(i)));
    m_ui->sectionList->setCurrentRow(select);
    m_filling = false;
}

void TFormStringing::ShowSection(int index)
{
    m_current = index;
    m_spansRefusal.clear();
    m_filling = true;
    const TSection shown = Current() ? *Current() : TSection {};
    QStringList spans;
    for (double span : shown.Spans)
        spans << DecimalText(span);
    m_ui->spansEditor->SetTexts(spans);
    m_ui->fromField->setValue(shown.TFrom);
    m_ui->toField->setValue(shown.TTo);
    m_ui->stepField->setValue(shown.TStep);
    m_filling = false;
    Recalculate(false);
}

bool TFormStringing::MayLeaveSection()
{
    if (m_spansRefusal.isEmpty())
        return true;
    CurrentPrompts().Error(UiText("Correct_spans_first").arg(m_spansRefusal));
    m_ui->spansEditor->setFocus();
    return false;
}

void TFormStringing::SectionPicked(int row)
{
    if (m_filling || row == m_current)
        return;
    if (!MayLeaveSection()) {
        const QSignalBlocker blocker(m_ui->sectionList);
        m_ui->sectionList->setCurrentRow(m_current);
        return;
    }
    ShowSection(row);
}

// The list's texts go into the section when all are numbers; a text that is no number stays
// in the list, marked, and the section keeps the spans it had.
void TFormStringing::SpansEdited()
{
    TSection *section = Current();
    if (m_filling || !section)
        return;
    const std::vector<std::string> texts = StdTexts(m_ui->spansEditor->Texts());
    const std::size_t bad = FirstNonNumber(texts);
    if (bad < texts.size()) {
        const bool fresh = m_spansRefusal.isEmpty();
        m_spansRefusal = QString::fromStdString(
            NotANumberSpanText(*section, bad, texts[bad], Context().Language()));
        // What was typed is not in the section: the project is unsaved work all the same.
        if (fresh)
            Changed();
        m_ui->spansEditor->MarkText(static_cast<int>(bad));
        m_table.reset();
        ShowTable();
        Refuse(m_spansRefusal, true);
        return;
    }
    const bool wasRefused = !m_spansRefusal.isEmpty();
    m_spansRefusal.clear();
    const std::vector<double> spans = ReadSpanTexts(texts, *section, Context().Language());
    if (spans != section->Spans || wasRefused) {
        section->Spans = spans;
        Changed();
    }
    Recalculate(true);
}

void TFormStringing::TemperaturesEdited()
{
    TSection *section = Current();
    if (m_filling || !section)
        return;
    const double from = m_ui->fromField->value();
    const double to = m_ui->toField->value();
    const double step = m_ui->stepField->value();
    if (from == section->TFrom && to == section->TTo && step == section->TStep)
        return;
    section->TFrom = from;
    section->TTo = to;
    section->TStep = step;
    Changed();
    if (m_spansRefusal.isEmpty())
        Recalculate(true);
}

// A refusal is shown in the window as long as it holds; announce also puts it in a message
// box, once for each new refusal.
void TFormStringing::Refuse(const QString &text, bool announce)
{
    const bool fresh = text != m_refusal;
    m_refusal = text;
    m_ui->message->setText(text);
    if (announce && fresh)
        CurrentPrompts().Error(text);
}

bool TFormStringing::PrepareBasis(Basis &basis, QString &refusal)
{
    try {
        const TProject &project = m_host.document->Project();
        // The window's own wording of its fields' refusals first, then every other check of
        // the one preparation, worded as the results pane words them. A section brings its
        // own spans: the project's span range is not checked.
        if (const FieldRefusal input = InputRefusal(project.Dat, Context()); input.Refused()) {
            refusal = input.text;
            return false;
        }
        const PreparedCalculation prepared = PrepareCalculation(
            project, Context().Catalogue(), Context().Language(), SpanUse::OwnSpans);
        if (prepared.Refused()) {
            refusal = DataEntryRefusal(QString::fromStdString(RefusalText(prepared)));
            return false;
        }
        basis.wire = prepared.wire;
        basis.args = prepared.args;
        if (CalcStringingBasis(project, basis.wire, basis.args, Context().Language(), basis.run)
            == CalcOutcome::CheckFailed) {
            refusal = QString::fromStdString(basis.run.warning);
            return false;
        }
    } catch (const std::exception &e) {
        refusal = ErrorMessage(e);
        return false;
    }
    m_wireName = QString::fromStdString(basis.wire.Name);
    return true;
}

// The table of the chosen section from the main window's data as they stand. Refusals of the
// section itself are announced when the user just changed it; those of the project (wire,
// climate, critical spans) only shown, since they are the main window's business.
void TFormStringing::Recalculate(bool announce)
{
    m_table.reset();
    m_inputs = CurrentInputs();
    const TSection *section = Current();
    if (!section) {
        Refuse(UiText("No_sections"), false);
        ShowTable();
        return;
    }
    if (!m_spansRefusal.isEmpty()) {
        Refuse(m_spansRefusal, announce);
        ShowTable();
        return;
    }
    try {
        CheckSection(*section, Context().Language());
    } catch (const Error &e) {
        const std::size_t outside = FirstSpanOutsideLimits(section->Spans);
        m_ui->spansEditor->MarkText(outside < section->Spans.size() ? static_cast<int>(outside)
                                                                    : -1);
        Refuse(ErrorMessage(e), announce);
        ShowTable();
        return;
    }
    m_ui->spansEditor->MarkText(-1);
    Basis basis;
    QString refusal;
    if (!PrepareBasis(basis, refusal)) {
        Refuse(refusal, false);
        ShowTable();
        return;
    }
    try {
        StringingTable table = CalcStringing(basis.run, basis.args, *section, Context().Language());
        if (table.state == NoState)
            Refuse(QString::fromStdString(table.warning), announce);
        else
            m_table = SectionTable {*section, std::move(table)};
    } catch (const std::exception &e) {
        Refuse(ErrorMessage(e), false);
    }
    if (m_table) {
        m_refusal.clear();
        m_ui->message->clear();
    }
    ShowTable();
}

QString TFormStringing::SummaryText() const
{
    if (!m_table)
        return {};
    const int state = m_table->table.state;
    const QByteArray stateKey = "State_" + QByteArray::number(state);
    return UiText("Stringing_summary")
        .arg(FixedText(m_table->table.reducedSpan, 2))
        .arg(state)
        .arg(UiText(stateKey.constData()))
        .arg(m_wireName);
}

void TFormStringing::ShowTable()
{
    QTableWidget *t = m_ui->resultTable;
    t->clear();
    t->setRowCount(0);
    t->setColumnCount(0);
    m_ui->summary->setText(SummaryText());
    if (!m_table) {
        ShowSagChart(*m_ui->chartView, nullptr);
        ShowOverLimits();
        UpdateButtons();
        return;
    }
    const StringingGrid grid = StringingGridOf(*m_table, Context().Factors().force);
    t->setColumnCount(static_cast<int>(grid.heading.size()));
    t->setRowCount(static_cast<int>(grid.rows.size()));
    t->setHorizontalHeaderLabels(grid.heading);
    QFont bold = t->font();
    bold.setBold(true);
    for (int r = 0; r < grid.rows.size(); ++r) {
        const QStringList &row = grid.rows[r];
        for (int c = 0; c < row.size(); ++c) {
            auto *cell = new QTableWidgetItem(row[c]);
            cell->setTextAlignment(Qt::AlignVCenter | (c == 0 ? Qt::AlignHCenter : Qt::AlignRight));
            if (r >= grid.reducedRow)
                cell->setFont(bold);
            t->setItem(r, c, cell);
        }
    }
    // The force row's caption runs over the number and span columns.
    t->setSpan(grid.reducedRow + 1, 0, 1, 2);
    t->item(grid.reducedRow + 1, 0)->setTextAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    t->resizeColumnsToContents();
    t->setColumnWidth(0, t->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    const int caption = QFontMetrics(bold).horizontalAdvance(grid.rows.back().front()) + 16;
    t->setColumnWidth(1, std::max(t->columnWidth(1), caption - t->columnWidth(0)));
    ShowSagChart(*m_ui->chartView, &*m_table);
    ShowOverLimits();
    UpdateButtons();
}

void TFormStringing::ShowOverLimits()
{
    QLabel *mark = m_ui->overLimit;
    if (!m_table || m_table->table.overLimits.empty()) {
        mark->hide();
        mark->clear();
        mark->setToolTip({});
        return;
    }
    const double factor = Context().Factors().stress;
    const QString unit = UiText(Context().Units() == UnitsMode::DaN ? "Res_daN_mm2" : "Res_N_mm2");
    QStringList lines;
    for (const OverLimit &over : m_table->table.overLimits)
        lines << UiText("Stringing_over_limit_line")
                     .arg(over.mode)
                     .arg(FixedText(factor * over.stress, 3), FixedText(factor * over.limit, 3),
                          unit);
    mark->setText(QStringLiteral("⚠ ") + UiText("Stringing_over_limit").arg(m_table->table.state));
    mark->setToolTip(lines.join(QLatin1Char('\n')));
    mark->show();
}

void TFormStringing::UpdateButtons()
{
    const bool any = m_current >= 0 && m_current < Sections().Count();
    m_ui->renameButton->setEnabled(any);
    m_ui->duplicateButton->setEnabled(any);
    m_ui->deleteButton->setEnabled(any);
    m_ui->spansGroup->setEnabled(any);
    m_ui->temperaturesGroup->setEnabled(any);
    m_ui->exportButton->setEnabled(Sections().Count() > 0);
    m_ui->copyButton->setEnabled(m_table.has_value());
    m_ui->printButton->setEnabled(m_table.has_value());
}

void TFormStringing::AddClick()
{
    if (!MayLeaveSection())
        return;
    // "Anchor section N": the first N after the count that no section of the list bears.
    QString name;
    for (int n = Sections().Count() + 1;; ++n) {
        name = UiText("New_section_name").arg(n);
        bool taken = false;
        for (int i = 0; i < Sections().Count(); ++i)
            taken = taken || Sections().Items(i).Name == name.toStdString();
        if (!taken)
            break;
    }
    TSection section;
    section.Name = name.toStdString();
    const int index = Sections().Add(section);
    Changed();
    FillList(index);
    ShowSection(index);
    m_ui->spansEditor->setFocus();
    m_ui->spansEditor->setCurrentCell(0, 0);
}

void TFormStringing::RenameClick()
{
    TSection *section = Current();
    if (!section)
        return;
    m_nameDialog->Prepare(QString::fromStdString(section->Name));
    if (CurrentPrompts().Exec(*m_nameDialog) != QDialog::Accepted)
        return;
    const std::string name = m_nameDialog->Name().toStdString();
    if (name == section->Name)
        return;
    section->Name = name;
    Changed();
    m_ui->sectionList->item(m_current)->setText(ListName(*section));
    // The refusals name the section.
    if (m_spansRefusal.isEmpty())
        Recalculate(false);
    else
        SpansEdited();
}

void TFormStringing::DuplicateClick()
{
    const TSection *section = Current();
    if (!section || !MayLeaveSection())
        return;
    TSection copy = *section;
    copy.Name = Utf8Left(
        UiText("Copy_of_section").arg(QString::fromStdString(section->Name)).toStdString(),
        MaxSectionNameLength);
    const int index = m_current + 1;
    Sections().Insert(index, copy);
    Changed();
    FillList(index);
    ShowSection(index);
}

void TFormStringing::DeleteClick()
{
    const TSection *section = Current();
    if (!section)
        return;
    if (!CurrentPrompts().WarningYesNo(
            UiText("delete_section").arg(QString::fromStdString(section->Name))))
        return;
    Sections().Delete(m_current);
    Changed();
    const int index = std::min(m_current, Sections().Count() - 1);
    FillList(index);
    ShowSection(index);
}

void TFormStringing::PasteSpans(const QString &text)
{
    const TSection *section = Current();
    if (!section)
        return;
    const QStringList fields = QtTexts(SplitNumberFields(text.toStdString()));
    if (fields.isEmpty())
        return;
    SpansEditor *editor = m_ui->spansEditor;
    const int row = std::max(editor->currentRow(), 0);
    const int kept = static_cast<int>(editor->Texts().size());
    if (!FitsSection(*section, std::max(kept, std::min(row, kept) + int(fields.size())),
                     Context().Language())
        || !MayTake(fields))
        return;
    editor->PutTexts(row, fields);
}

bool TFormStringing::MayTake(const QStringList &fields) const
{
    // "120,150" is one span with a decimal comma to the reader: the user sees what it made.
    constexpr int Shown = 30;
    QStringList read;
    for (const QString &field : fields) {
        if (read.size() == Shown) {
            read << QStringLiteral("…");
            break;
        }
        const std::optional<double> value = ReadDecimal(field);
        read << (value ? DecimalText(*value) : QStringLiteral("«%1»").arg(field));
    }
    return CurrentPrompts().Question(
        UiText("Take_spans").arg(fields.size()).arg(read.join(QStringLiteral("; "))));
}

void TFormStringing::PasteClick()
{
    PasteSpans(QGuiApplication::clipboard()->text());
}

void TFormStringing::ImportClick()
{
    const TSection *section = Current();
    if (!section)
        return;
    FileDialogRequest request {
        UiText("Import_spans_title"), QStringLiteral("CSV, text (*.csv *.txt);;* (*)"), {}, {}, {}};
    PrepareDialogFolder(request, FileKind::SpansText, DialogUse::Open);
    const QString path = CurrentPrompts().OpenFileName(request);
    if (path.isEmpty())
        return;
    RememberDialogFolder(FileKind::SpansText, path);
    const QString shown = QDir::toNativeSeparators(path);
    // The program's reader: a pipe or a device (which may never end, or never open) and a
    // file above the limit are refused before anything is read.
    std::string bytes;
    try {
        bytes = ReadFileBytes(QFile::encodeName(path).toStdString(), MaxSpansFileBytes);
    } catch (const Error &error) {
        CurrentPrompts().Error(ErrorMessage(error));
        return;
    }
    const QStringList fields = QtTexts(SplitNumberFields(bytes));
    if (fields.isEmpty()) {
        CurrentPrompts().Error(UiText("Spans_file_empty").arg(shown));
        return;
    }
    if (!FitsSection(*section, static_cast<int>(fields.size()), Context().Language())
        || !MayTake(fields))
        return;
    // The file's spans replace the list.
    m_ui->spansEditor->SetTexts({});
    m_ui->spansEditor->PutTexts(0, fields);
}

void TFormStringing::ExportClick()
{
    if (Sections().Count() == 0 || !MayLeaveSection())
        return;
    FollowMainWindow();
    Basis basis;
    QString refusal;
    if (!PrepareBasis(basis, refusal)) {
        CurrentPrompts().Error(refusal);
        return;
    }
    // Every section has its table before a file is asked for; the first that has none is
    // shown with its refusal.
    std::vector<SectionTable> tables;
    for (int i = 0; i < Sections().Count(); ++i) {
        const TSection &section = Sections().Items(i);
        try {
            CheckSection(section, Context().Language());
            StringingTable table
                = CalcStringing(basis.run, basis.args, section, Context().Language());
            if (table.state == NoState)
                throw Error(table.warning);
            tables.push_back({section, std::move(table)});
        } catch (const Error &e) {
            if (i != m_current) {
                FillList(i);
                ShowSection(i);
            }
            CurrentPrompts().Error(ErrorMessage(e));
            return;
        }
    }
    FileDialogRequest request {UiText("Stringing_save_title"),
                               QStringLiteral("*.xls (*.xls)"),
                               QStringLiteral("xls"),
                               {},
                               {}};
    const QString project = TFormMain::ProjectNameOf(m_host.document->FileName());
    request.fileName
        = (project.isEmpty() ? UiText("Stringing_tables")
                             : project + QStringLiteral(" - ") + UiText("Stringing_tables"))
        + QStringLiteral(".xls");
    PrepareDialogFolder(request, FileKind::Report, DialogUse::Save);
    const QString path = CurrentPrompts().SaveFileName(request);
    if (path.isEmpty())
        return;
    // The form and the numbers from the one context: the form of the units the numbers are
    // written in, whatever another running copy stored meanwhile.
    const QString form = ApplicationDir() + QString::fromStdString(Context().StringingForm());
    WriteStringingReport(form.toStdString(), path.toStdString(), basis.wire, tables,
                         Context().Language(), Context().Factors());
    RememberDialogFolder(FileKind::Report, path);
    OpenWrittenFile(path);
}

void TFormStringing::CopyClick()
{
    FollowMainWindow();
    if (m_table)
        QGuiApplication::clipboard()->setText(
            TabSeparated(StringingGridOf(*m_table, Context().Factors().force)));
}

void TFormStringing::PrintClick()
{
    FollowMainWindow();
    if (!m_table)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(UiText("Stringing_tables"));
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (CurrentPrompts().Exec(dialog) != QDialog::Accepted)
        return;
    StringingPrintout printout;
    printout.title = UiText("Stringing_tables") + QStringLiteral(" - ")
        + QString::fromStdString(m_table->section.Name);
    printout.summary = SummaryText();
    printout.grid = StringingGridOf(*m_table, Context().Factors().force);
    printout.table = &*m_table;
    PrintStringing(printer, printout);
}

} // namespace velmora
