#include "gui/templates/formspisokshabloni.h"

#include "catalogue/catalogue.h"
#include "gui/appwindows.h"
#include "gui/dialogfolders.h"
#include "gui/document/projectdocument.h"
#include "gui/fieldchecks.h"
#include "gui/formmain.h"
#include "gui/guard.h"
#include "gui/prompts.h"
#include "gui/templates/formautoshabloni.h"
#include "gui/templates/templatepreview.h"
#include "gui/uitext.h"
#include "gui/writtenfile.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velmora {

TFormSpisokShabloni::TFormSpisokShabloni(const ProgramContext &program, TemplateHost host,
                                         QWidget *parent)
    : QDialog(parent)
    , m_program(program)
    , m_host(std::move(host))
{
    setObjectName(QStringLiteral("FormSpisokShabloni"));
    connect(m_host.document, &ProjectDocument::templatesChanged, this,
            &TFormSpisokShabloni::DocumentTemplatesChanged);
    connect(m_host.document, &ProjectDocument::projectReplaced, this,
            [this] { RefreshList(Templates()); });
    // The list is modeless: its preview follows the wire and the climate.
    for (auto change : {&ProjectDocument::fieldsChanged, &ProjectDocument::coefficientsChanged})
        connect(m_host.document, change, this, &TFormSpisokShabloni::UpdatePreview);
    m_editor = new TFormAutoShabloni(m_program, this);
    m_editor->SetPreview([this](TemplatePreview &preview, const TShablon &shablon) {
        preview.ShowTemplate(Project(), &shablon, m_engine);
    });
    m_frame = new QGroupBox(this);
    m_grid = new QTableWidget(1, 1, m_frame);
    m_grid->horizontalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->setShowGrid(false);
    auto *frameLayout = new QVBoxLayout(m_frame);
    frameLayout->addWidget(m_grid);

    m_butRunAutoCAD = new QPushButton(this);
    m_butNew = new QPushButton(this);
    m_butEdit = new QPushButton(this);
    m_butDel = new QPushButton(this);
    m_butClose = new QPushButton(this);
    m_butRunAutoCAD->setObjectName(QStringLiteral("ButRunAutoCAD"));
    m_butNew->setObjectName(QStringLiteral("ButNew"));
    m_butEdit->setObjectName(QStringLiteral("ButEdit"));
    m_butDel->setObjectName(QStringLiteral("ButDel"));
    m_butClose->setObjectName(QStringLiteral("ButClose"));
    for (QPushButton *b : {m_butRunAutoCAD, m_butNew, m_butEdit, m_butDel, m_butClose})
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("Port to Cad")) + 48);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_butRunAutoCAD);
    buttons->addSpacing(12);
    buttons->addWidget(m_butNew);
    buttons->addWidget(m_butEdit);
    buttons->addWidget(m_butDel);
    buttons->addStretch(1);
    buttons->addWidget(m_butClose);

    m_preview = new TemplatePreview(m_program, this);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_frame, 1);
    layout->addWidget(m_preview, 2);
    layout->addLayout(buttons);
    resize(960, 420);

    connect(m_grid, &QTableWidget::currentCellChanged, this,
            [this](int row) { GridSelectCell(row); });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &TFormSpisokShabloni::ButEditClick);
    connect(m_butRunAutoCAD, &QPushButton::clicked, this, &TFormSpisokShabloni::AcadRun);
    connect(m_butNew, &QPushButton::clicked, this, &TFormSpisokShabloni::NewShablonClick);
    connect(m_butEdit, &QPushButton::clicked, this, &TFormSpisokShabloni::ButEditClick);
    connect(m_butDel, &QPushButton::clicked, this, &TFormSpisokShabloni::ButDelClick);
    connect(m_butClose, &QPushButton::clicked, this, &TFormSpisokShabloni::ButCloseClick);
    ApplyTexts();
}

const TProject &TFormSpisokShabloni::Project() const
{
    return m_host.document->Project();
}

const TShablonList &TFormSpisokShabloni::Templates() const
{
    return Project().Shablons;
}

void TFormSpisokShabloni::DocumentTemplatesChanged()
{
    RefreshList(Templates());
    emit TemplatesChanged();
}

void TFormSpisokShabloni::showEvent(QShowEvent *event)
{
    RefreshList(Templates());
    UpdateButtons();
    ApplyTexts();
    QDialog::showEvent(event);
}

void TFormSpisokShabloni::ApplyTexts()
{
    setWindowTitle(UiText("List_patterns"));
    m_frame->setTitle(UiText("List_patterns"));
    m_butRunAutoCAD->setText(UiText("Port_to_Cad"));
    m_butNew->setText(UiText("Create"));
    m_butEdit->setText(UiText("Edit"));
    m_butDel->setText(UiText("Delete"));
    m_butClose->setText(UiText("Close"));
}

void TFormSpisokShabloni::RefreshList(const TShablonList &list)
{
    const int rows = std::max(list.Count(), 1);
    m_grid->setRowCount(rows);
    for (int i = 0; i < rows; ++i) {
        const QString name
            = i < list.Count() ? QString::fromStdString(list.Items(i).Name) : QString();
        m_grid->setItem(i, 0, new QTableWidgetItem(name));
    }
    const int row = std::clamp(m_selectedIndex, 0, rows - 1);
    m_grid->setCurrentCell(row, 0);
    m_grid->selectRow(row);
    m_selectedIndex = row;
    UpdateButtons();
    UpdatePreview();
}

void TFormSpisokShabloni::UpdateButtons()
{
    const bool any = Templates().Count() > 0;
    m_butEdit->setEnabled(any);
    m_butDel->setEnabled(any);
    m_butRunAutoCAD->setEnabled(any);
    m_butNew->setEnabled(true);
    m_butClose->setEnabled(true);
}

void TFormSpisokShabloni::GridSelectCell(int row)
{
    if (row >= 0)
        m_selectedIndex = row;
    UpdatePreview();
}

void TFormSpisokShabloni::UpdatePreview()
{
    if (!isVisible())
        return; // shown with the window
    const TShablonList &list = Templates();
    m_preview->ShowTemplate(Project(),
                            m_selectedIndex < list.Count() ? &list.Items(m_selectedIndex) : nullptr,
                            m_engine);
}

void TFormSpisokShabloni::NewShablonClick()
{
    TShablon shablon;
    m_editor->LoadTemplate(shablon);
    if (CurrentPrompts().Exec(*m_editor) != QDialog::Accepted)
        return;
    m_editor->StoreTemplate(shablon);
    TShablonList after = Templates();
    m_selectedIndex = after.Add(shablon);
    m_host.document->EditTemplates(after, UiText("Undo_template_new"));
}

void TFormSpisokShabloni::ButEditClick()
{
    TShablonList after = Templates();
    if (after.Count() == 0 || m_selectedIndex >= after.Count())
        return;
    TShablon &shablon = after.Items(m_selectedIndex);
    m_editor->LoadTemplate(shablon);
    if (CurrentPrompts().Exec(*m_editor) != QDialog::Accepted)
        return;
    m_editor->StoreTemplate(shablon);
    m_host.document->EditTemplates(after, UiText("Undo_template_edit"));
}

void TFormSpisokShabloni::ButDelClick()
{
    TShablonList after = Templates();
    if (after.Count() == 0 || m_selectedIndex >= after.Count())
        return;
    if (!CurrentPrompts().WarningYesNo(UiText("delete_template")))
        return;
    after.Delete(m_selectedIndex);
    m_host.document->EditTemplates(after, UiText("Undo_template_delete"));
}

void TFormSpisokShabloni::ButCloseClick()
{
    hide();
}

QString TFormSpisokShabloni::DrawingPath(const QString &chosen)
{
    const QFileInfo info(chosen);
    return info.absolutePath() + QLatin1Char('/') + TFormMain::ProjectNameOf(chosen)
        + QStringLiteral(".dxf");
}

// The name rule may turn the chosen name into the name of another file that exists
// ("t1.old.dxf" -> "t1.dxf"), which the user never chose: ask before replacing it. A file
// chosen by its own name was picked in the dialog on purpose.
bool TFormSpisokShabloni::MayWriteDrawing(const QString &chosen, const QString &path)
{
    const bool asChosen = QDir::cleanPath(QFileInfo(chosen).absoluteFilePath())
        == QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (asChosen || !QFileInfo::exists(path))
        return true;
    return CurrentPrompts().WarningYesNo(
        UiText("replace_drawing").arg(QDir::toNativeSeparators(path)));
}

void TFormSpisokShabloni::AcadRun()
{
    const TShablonList &list = Templates();
    if (list.Count() == 0 || m_selectedIndex >= list.Count())
        return;
    // The main window's wire and climate draw the curves: refused before the file is asked
    // for, so that a drawing that cannot be made leaves no file behind.
    if (const FieldRefusal refusal = InputRefusal(Project().Dat, m_program); refusal.Refused()) {
        CurrentPrompts().Error(refusal.text);
        return;
    }
    FileDialogRequest request;
    request.title = UiText("Cad_output_title");
    request.filter = QStringLiteral("DXF (*.dxf)");
    request.fileName = TFormMain::ProjectNameOf(m_host.document->FileName());
    PrepareDialogFolder(request, FileKind::Drawing, DialogUse::Save);
    // The chosen name is cut at its first "." and given ".dxf", so a question about replacing
    // the name as typed would ask about the wrong file: MayWriteDrawing asks after the rule.
    request.confirmOverwrite = false;
    const QString chosen = CurrentPrompts().SaveFileName(request);
    if (chosen.isEmpty())
        return;
    const QString path = DrawingPath(chosen);
    if (!MayWriteDrawing(chosen, path))
        return;

    ShowWait(UiText("Port_to_AutoCad"));
    DrawResult result;
    const bool written = Guarded([&] {
        // The wait window goes before an error is shown, however the drawing ends.
        struct WaitCloser
        {
            ~WaitCloser() { CloseWait(); }
        } waitCloser;
        const TShablon shablon = list.Items(m_selectedIndex);
        const TProject &project = Project();
        const DrawingContext context {m_program.Catalogue().FindByName(project.Dat.Provod),
                                      m_program.Language(), m_program.Factors()};
        result = DrawTemplate(project, shablon, path.toStdString(), context, m_engine);
    });
    if (!written)
        return;
    RememberDialogFolder(FileKind::Drawing, path);
    for (const std::string &warning : result.warnings)
        CurrentPrompts().Warning(QString::fromStdString(warning));
    // An empty drawing is still opened, but never without a word of why it is empty.
    if (!result.drawn && result.warnings.empty() && !result.reason.empty())
        CurrentPrompts().Warning(QString::fromStdString(result.reason));
    OpenWrittenFile(path);
}

} // namespace velmora
