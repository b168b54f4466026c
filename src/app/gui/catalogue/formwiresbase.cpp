#include "gui/catalogue/formwiresbase.h"

#include "catalogue/catalogue.h"
#include "catalogue/groups.h"
#include "common/numtext.h"
#include "gui/catalogue/formwiresedit.h"
#include "gui/dialogfolders.h"
#include "gui/guard.h"
#include "gui/prompts.h"
#include "gui/uitext.h"
#include "gui/unitsmode.h"
#include "gui/writtenfile.h"
#include "l10n/units.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr int kColumns = 6;

// A heading of up to four lines. Some texts begin with a line break to sit lower in a heading of
// fixed height; the header centres its lines itself, so the break is dropped.
QString Heading(const char *key)
{
    QString text = UiText(key);
    while (text.startsWith(u'\n'))
        text.remove(0, 1);
    return text;
}

QString Number(double value)
{
    return QString::fromStdString(FormatNumber(value));
}

const char *const kExportTitle = "Экспорт в текстовый файл";
const char *const kImportTitle = "Импорт из текстового файла";

// "1 wire", "3 провода", "5 проводов": the plural form the number takes in the language.
QString WireCount(std::size_t n, Lang lang)
{
    const char *key = "wires_many";
    if (lang == Lang::English) {
        if (n == 1)
            key = "wires_one";
    } else if (n % 10 == 1 && n % 100 != 11) {
        key = "wires_one";
    } else if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14)) {
        key = "wires_few";
    }
    return UiText(key, lang).arg(n);
}

FileDialogRequest TextFileDialog(const char *title, DialogUse use)
{
    FileDialogRequest request;
    request.title = QString::fromUtf8(title);
    request.filter = QStringLiteral("*.txt (*.txt)");
    request.defaultSuffix = QStringLiteral("txt");
    PrepareDialogFolder(request, FileKind::CatalogueText, use);
    return request;
}

} // namespace

TFormWiresBase::TFormWiresBase(ProgramContext &program, const std::string &commonDataDir,
                               const std::string &appDir, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
    , m_appDir(appDir)
{
    setObjectName(QStringLiteral("FormWiresBase"));
    OpenCatalogue(m_program.Catalogue(), commonDataDir, appDir, m_program.Language());

    m_groupFrame = new QGroupBox(this);
    m_filter = new QComboBox(m_groupFrame);
    m_filter->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_nameLabel = new QLabel(m_groupFrame);
    m_nameFilter = new QLineEdit(m_groupFrame);
    m_nameFilter->setObjectName(QStringLiteral("NameFilter"));
    m_nameFilter->setClearButtonEnabled(true);
    m_nameFilter->setMinimumWidth(180);
    m_nameFilter->installEventFilter(this);
    m_nameLabel->setBuddy(m_nameFilter);
    auto *groupLayout = new QHBoxLayout(m_groupFrame);
    groupLayout->addWidget(m_filter);
    groupLayout->addStretch(1);
    groupLayout->addWidget(m_nameLabel);
    groupLayout->addWidget(m_nameFilter);

    m_wireFrame = new QGroupBox(this);
    m_grid = new QTableWidget(1, kColumns, m_wireFrame);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    QHeaderView *header = m_grid->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setStretchLastSection(true);
    const int widths[kColumns] = {150, 90, 90, 110, 120, 150};
    for (int c = 0; c < kColumns; ++c)
        m_grid->setColumnWidth(c, widths[c]);
    auto *wireLayout = new QVBoxLayout(m_wireFrame);
    wireLayout->addWidget(m_grid);

    m_menu = new QMenu(this);
    // Worded with the buttons (ApplyTexts): the same keys, the language in force.
    m_menu->addAction(QString(), this, &TFormWiresBase::CreateClick)->setObjectName("MenuCreate");
    m_menu->addAction(QString(), this, &TFormWiresBase::EditClick)->setObjectName("MenuEdit");
    m_menu->addAction(QString(), this, &TFormWiresBase::DeleteClick)->setObjectName("MenuDelete");

    m_select = new QPushButton(this);
    m_select->setDefault(true);
    m_cancel = new QPushButton(this);
    m_create = new QPushButton(this);
    m_delete = new QPushButton(this);
    m_edit = new QPushButton(this);
    m_export = new QPushButton(this);
    m_import = new QPushButton(this);
    m_restore = new QPushButton(this);
    m_close = new QPushButton(this);
    const std::pair<QPushButton *, const char *> names[] = {
        {m_select, "ButSelect"}, {m_cancel, "ButCancel"},   {m_create, "ButCreate"},
        {m_delete, "ButDelete"}, {m_edit, "ButEdit"},       {m_export, "ButExport"},
        {m_import, "ButImport"}, {m_restore, "ButRestore"}, {m_close, "ButClose"},
    };
    for (const auto &[button, name] : names)
        button->setObjectName(QLatin1String(name));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_create, m_edit, m_delete})
        buttons->addWidget(b);
    buttons->addSpacing(16);
    buttons->addWidget(m_export);
    buttons->addWidget(m_import);
    buttons->addWidget(m_restore);
    buttons->addStretch(1);
    for (QPushButton *b : {m_select, m_cancel, m_close})
        buttons->addWidget(b);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_groupFrame);
    layout->addWidget(m_wireFrame, 1);
    layout->addLayout(buttons);
    resize(820, 540);

    connect(m_filter, &QComboBox::activated, this, &TFormWiresBase::FilterChange);
    connect(m_nameFilter, &QLineEdit::textChanged, this, &TFormWiresBase::NameFilterChange);
    connect(header, &QHeaderView::sectionClicked, this, &TFormWiresBase::HeadingClick);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] {
        if (m_selectMode)
            SelectClick();
        else
            EditClick();
    });
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_menu->popup(m_grid->viewport()->mapToGlobal(pos)); });
    auto *deleteKey = new QShortcut(QKeySequence::Delete, m_grid);
    deleteKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(deleteKey, &QShortcut::activated, this, &TFormWiresBase::DeleteClick);
    connect(m_select, &QPushButton::clicked, this, &TFormWiresBase::SelectClick);
    connect(m_cancel, &QPushButton::clicked, this, &TFormWiresBase::reject);
    connect(m_close, &QPushButton::clicked, this, &TFormWiresBase::reject);
    connect(m_create, &QPushButton::clicked, this, &TFormWiresBase::CreateClick);
    connect(m_edit, &QPushButton::clicked, this, &TFormWiresBase::EditClick);
    connect(m_delete, &QPushButton::clicked, this, &TFormWiresBase::DeleteClick);
    connect(m_export, &QPushButton::clicked, this, &TFormWiresBase::ExportClick);
    connect(m_import, &QPushButton::clicked, this, &TFormWiresBase::ImportClick);
    connect(m_restore, &QPushButton::clicked, this, &TFormWiresBase::RestoreClick);

    m_editor = new TFormWiresEdit(m_program, this);
    ApplyTexts();
    RefillGrid();
}

void TFormWiresBase::Manage()
{
    if (!isVisible()) {
        m_selectMode = false;
        ClearNameFilter();
        setModal(false);
        show();
    }
    raise();
    activateWindow();
}

bool TFormWiresBase::Pick(const std::string &currentName)
{
    // A window already shown cannot become modal: close the managing window and open it anew.
    if (isVisible())
        hide();
    m_selectMode = true;
    m_preselect = currentName;
    ClearNameFilter();
    const TWireRec current = m_program.Catalogue().FindByName(currentName);
    if (!current.Name.empty() && !Shows(current))
        m_filterIndex = 0;
    const bool confirmed = CurrentPrompts().Exec(*this) == QDialog::Accepted;
    m_preselect.clear();
    setModal(false);
    return confirmed;
}

// Each showing starts with the whole list of the group; the refill comes with the showing.
void TFormWiresBase::ClearNameFilter()
{
    m_nameFilter->blockSignals(true);
    m_nameFilter->clear();
    m_nameFilter->blockSignals(false);
}

void TFormWiresBase::showEvent(QShowEvent *event)
{
    ApplyTexts();
    RefillGrid();
    if (m_selectMode) {
        SelectName(m_preselect);
        m_nameFilter->setFocus();
    }
    QDialog::showEvent(event);
}

// The name filter passes the keys that move in the list on to the grid.
bool TFormWiresBase::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_nameFilter && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_grid, event);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormWiresBase::ApplyTexts()
{
    setWindowTitle(UiText("Reference_catalog_on_wires"));
    m_select->setText(UiText("Select"));
    m_cancel->setText(UiText("Cancel"));
    m_create->setText(UiText("Create"));
    const QList<QAction *> menu = m_menu->actions();
    menu.at(0)->setText(UiText("Create"));
    menu.at(1)->setText(UiText("Edit"));
    menu.at(2)->setText(UiText("Delete"));
    m_delete->setText(UiText("Delete"));
    m_edit->setText(UiText("Edit"));
    m_export->setText(UiText("Export"));
    m_import->setText(UiText("Import"));
    m_restore->setText(UiText("Restore_catalogue"));
    m_nameLabel->setText(UiText("Name_contains"));
    m_close->setText(UiText("Close"));
    m_wireFrame->setTitle(UiText("Wire"));
    m_groupFrame->setTitle(UiText("Group"));
    m_grid->setHorizontalHeaderLabels({
        Heading("Type"),
        Heading("Diameter_"),
        Heading("Sect_area_"),
        Heading("Weight_per_"),
        Heading(m_program.Units() == UnitsMode::DaN ? "Modulus_" : "Modulus_N"),
        Heading("Linear_coef_"),
    });

    m_filter->blockSignals(true);
    m_filter->clear();
    for (int g = 0; g <= 7; ++g)
        m_filter->addItem(QString::fromStdString(GroupName(g, m_program.Language())));
    m_filter->setCurrentIndex(m_filterIndex);
    m_filter->blockSignals(false);

    for (QPushButton *b : {m_select, m_cancel})
        b->setVisible(m_selectMode);
    for (QPushButton *b : {m_create, m_delete, m_edit, m_export, m_import, m_restore, m_close})
        b->setVisible(!m_selectMode);
}

void TFormWiresBase::ShowWireInRow(int row, const TWireRec &rec)
{
    const QString cells[kColumns] = {
        QString::fromStdString(rec.Name),
        Number(rec.Diam),
        Number(rec.Sech),
        Number(rec.PNag),
        Number(rec.Modl * m_program.Factors().force),
        Number(rec.Koef),
    };
    for (int c = 0; c < kColumns; ++c) {
        auto *item = new QTableWidgetItem(cells[c]);
        item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                      : Qt::AlignRight | Qt::AlignVCenter);
        m_grid->setItem(row, c, item);
    }
}

void TFormWiresBase::RefillGrid()
{
    const TWiresList &wires = m_program.Catalogue();
    m_grid->clearContents();
    m_grid->setRowCount(1);
    if (wires.Count() > 0) {
        int rows = 0;
        for (int i = 0; i < wires.Count(); ++i) {
            const TWireRec &rec = wires.Items(i);
            if (!Shows(rec))
                continue;
            m_grid->setRowCount(std::max(rows + 1, 1));
            ShowWireInRow(rows++, rec);
        }
        SelectRow(0);
    }
    UpdateButtons();
}

bool TFormWiresBase::Shows(const TWireRec &rec) const
{
    if (m_filterIndex != 0 && rec.Group != m_filterIndex)
        return false;
    const QString part = m_nameFilter->text().trimmed();
    return part.isEmpty() || QString::fromStdString(rec.Name).contains(part, Qt::CaseInsensitive);
}

void TFormWiresBase::UpdateButtons()
{
    const bool any = m_program.Catalogue().Count() > 0;
    m_select->setEnabled(any);
    m_edit->setEnabled(any);
    m_delete->setEnabled(any);
}

void TFormWiresBase::SelectRow(int row)
{
    m_grid->setCurrentCell(row, 0);
    m_grid->selectRow(row);
}

bool TFormWiresBase::SelectName(const std::string &name)
{
    if (name.empty())
        return false;
    const QString text = QString::fromStdString(name);
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const QTableWidgetItem *item = m_grid->item(row, 0);
        if (item && item->text() == text) {
            SelectRow(row);
            m_grid->scrollToItem(item, QAbstractItemView::PositionAtCenter);
            return true;
        }
    }
    return false;
}

int TFormWiresBase::SelectedRow() const
{
    return std::max(m_grid->currentRow(), 0);
}

std::string TFormWiresBase::SelectedName() const
{
    const QTableWidgetItem *item = m_grid->item(SelectedRow(), 0);
    return item ? item->text().toStdString() : std::string();
}

TWireRec TFormWiresBase::SelectedWire() const
{
    const TWiresList &wires = m_program.Catalogue();
    const int index = wires.IndexOfName(SelectedName());
    return index < 0 ? TWireRec {} : wires.GetWire(index);
}

void TFormWiresBase::Changed(int modified)
{
    m_modified = modified;
    // Written at once: a session ended at logout (SIGTERM) must not lose the change. A file
    // that cannot be written is said here and tried again at the next change and at exit.
    Guarded([this] { m_program.Catalogue().SaveToFile(m_program.Catalogue().FileName()); });
    emit CatalogueChanged();
}

void TFormWiresBase::SaveIfModified()
{
    if (m_modified > 0) {
        m_program.Catalogue().SaveToFile(m_program.Catalogue().FileName());
        m_modified = 0;
    }
}

void TFormWiresBase::CreateClick()
{
    TWireRec rec;
    rec.Group = m_filterIndex;
    m_editor->LoadWire(rec);
    if (CurrentPrompts().Exec(*m_editor) != QDialog::Accepted)
        return;
    m_editor->StoreWire(rec);
    m_program.Catalogue().Add(rec);
    RefillGrid();
    SelectRow(m_grid->rowCount() - 1);
    UpdateButtons();
    Changed(m_modified + 1);
}

void TFormWiresBase::EditClick()
{
    TWiresList &wires = m_program.Catalogue();
    const int index = wires.IndexOfName(SelectedName());
    if (index < 0)
        return;
    m_editor->LoadWire(wires.Items(index));
    if (CurrentPrompts().Exec(*m_editor) != QDialog::Accepted)
        return;
    TWireRec copy = wires.Items(index);
    m_editor->StoreWire(copy);
    wires.Items(index) = copy;
    // Only this row is re-shown: a wire moved to another group stays in view until a refill.
    const int row = SelectedRow();
    ShowWireInRow(row, copy);
    SelectRow(row);
    Changed(m_modified + 1);
}

void TFormWiresBase::DeleteClick()
{
    TWiresList &wires = m_program.Catalogue();
    const int index = wires.IndexOfName(SelectedName());
    if (index < 0)
        return;
    if (!CurrentPrompts().WarningYesNo(UiText("delete_wire")))
        return;
    const int row = SelectedRow();
    wires.Delete(index);
    RefillGrid();
    if (wires.Count() > 0)
        SelectRow(std::min(row, m_grid->rowCount() - 1));
    UpdateButtons();
    Changed(m_modified + 1);
}

void TFormWiresBase::ExportClick()
{
    const QString path
        = CurrentPrompts().SaveFileName(TextFileDialog(kExportTitle, DialogUse::Save));
    if (path.isEmpty())
        return;
    Guarded([&] {
        m_program.Catalogue().ExportToText(path.toStdString());
        RememberDialogFolder(FileKind::CatalogueText, path);
        AnnounceWrittenFile(path);
    });
}

void TFormWiresBase::ImportClick()
{
    const QString path
        = CurrentPrompts().OpenFileName(TextFileDialog(kImportTitle, DialogUse::Open));
    if (path.isEmpty())
        return;
    RememberDialogFolder(FileKind::CatalogueText, path);
    CatalogueText text;
    if (!Guarded([&] { text = ReadCatalogueText(path.toStdString()); }))
        return;
    const QString question
        = UiText("Replace_catalogue")
              .arg(WireCount(static_cast<std::size_t>(m_program.Catalogue().Count()),
                             m_program.Language()),
                   WireCount(text.wires.size(), m_program.Language()), QFileInfo(path).fileName())
        + QStringLiteral("\n\n")
        + UiText(text.encoding == TextEncoding::Utf8 ? "Read_as_utf8" : "Read_as_1251");
    if (!CurrentPrompts().WarningYesNo(question))
        return;
    m_program.Catalogue().Replace(std::move(text.wires));
    RefillGrid();
    Changed(1);
}

void TFormWiresBase::RestoreClick()
{
    std::vector<TWireRec> shipped;
    if (!Guarded([&] { shipped = ReadShippedCatalogue(m_appDir); }))
        return;
    const QString question
        = UiText("Restore_question")
              .arg(WireCount(static_cast<std::size_t>(m_program.Catalogue().Count()),
                             m_program.Language()),
                   WireCount(shipped.size(), m_program.Language()));
    if (!CurrentPrompts().WarningYesNo(question))
        return;
    m_program.Catalogue().Replace(std::move(shipped));
    RefillGrid();
    Changed(1);
}

void TFormWiresBase::SelectClick()
{
    if (m_selectMode)
        accept();
}

void TFormWiresBase::HeadingClick(int column)
{
    m_program.Catalogue().SortBy(column + 1);
    RefillGrid();
}

void TFormWiresBase::FilterChange(int index)
{
    m_filterIndex = index;
    RefillGrid();
}

void TFormWiresBase::NameFilterChange()
{
    // The wire selected before stays selected while the filter still shows it.
    const std::string selected = SelectedName();
    RefillGrid();
    SelectName(selected);
}

} // namespace velmora
