#include "gui/profile/formprofile.h"

#include "calc/preparation.h"
#include "catalogue/catalogue.h"
#include "common/error.h"
#include "common/fileio.h"
#include "data/lineprofile.h"
#include "gui/dialogfolders.h"
#include "gui/document/projectdocument.h"
#include "gui/formmain.h"
#include "gui/guard.h"
#include "gui/platform.h"
#include "gui/profile/profileexport.h"
#include "gui/profile/profileview.h"
#include "gui/programcontext.h"
#include "gui/prompts.h"
#include "gui/softsettings.h"
#include "gui/uitext.h"
#include "gui/writtenfile.h"
#include "l10n/localization.h"
#include "l10n/texts.h"
#include "report/towerschedule.h"
#include "templates/linedesign.h"
#include "templates/lineprofiledxf.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace velmora {

namespace {

const char *const GeometryKey = "ProfileWindow";
const char *const SplitterKey = "ProfileWindowSplit";

enum Column {
    ColNumber,
    ColStation,
    ColType,
    ColGround,
    ColAttachment,
    ColSpan,
    ColWind,
    ColWeight,
    ColWeightCold,
    ColClearance,
    ColumnCount
};

QString Fixed(double value)
{
    return QString::number(value, 'f', 2);
}

QPushButton *ProfileButton(const char *name, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// The units the window shows stresses and forces in, with their numbers' decimals.
struct ProfileUnits
{
    UnitFactors factors;
    QString stress, force;
    int stressDecimals = 3, forceDecimals = 0;
    QString Stress(double daNmm2) const
    {
        return QString::number(daNmm2 * factors.stress, 'f', stressDecimals) + QChar(0x00A0)
            + stress;
    }
    QString Force(double daN) const
    {
        return QString::number(daN * factors.force, 'f', forceDecimals) + QChar(0x00A0) + force;
    }
};

ProfileUnits ProfileUnitsOf(const UnitFactors &factors)
{
    const bool newtons = factors.stress != 1;
    return {factors, UiText(newtons ? "Res_N_mm2" : "Res_daN_mm2"), UiText(newtons ? "kN" : "daN"),
            newtons ? 2 : 3, newtons ? 2 : 0};
}

} // namespace

TFormProfile::TFormProfile(ProfileHost host, QWidget *parent)
    : QDialog(parent)
    , m_host(std::move(host))
{
    setObjectName(QStringLiteral("FormProfile"));
    BuildUi();
    RetranslateUi();
    connect(m_host.document, &ProjectDocument::lineChanged, this,
            [this] { Guarded([this] { DocumentLineChanged(); }); });
    connect(m_host.document, &ProjectDocument::projectReplaced, this,
            &TFormProfile::ProjectReplaced);
    // A template made, changed or deleted in the template windows is offered at once.
    connect(m_host.document, &ProjectDocument::templatesChanged, this, [this] {
        if (isVisible() && m_dragBefore.empty() && !m_worker)
            Guarded([this] { FillTemplates(); });
    });
}

TFormProfile::~TFormProfile()
{
    if (m_worker) {
        m_stop = true;
        m_worker->wait();
        delete m_worker;
    }
}

// Everything the window reads of the program's language, units and catalogue comes through
// these four.
const ProgramContext &TFormProfile::Context() const
{
    return *m_host.context;
}

Lang TFormProfile::Language() const
{
    return Context().Language();
}

UnitFactors TFormProfile::Factors() const
{
    return Context().Factors();
}

const TWiresList &TFormProfile::Catalogue() const
{
    return Context().Catalogue();
}

TProject &TFormProfile::Project() const
{
    return m_host.document->Project();
}

LineProfile &TFormProfile::Line()
{
    return Project().Line;
}

QUndoStack *TFormProfile::UndoStack() const
{
    return m_host.document->UndoStack();
}

void TFormProfile::BuildUi()
{
    m_templateLabel = new QLabel(this);
    m_templateBox = new QComboBox(this);
    m_templateBox->setObjectName(QStringLiteral("ProfileTemplate"));
    m_templateBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_templateBox->setMinimumContentsLength(18);
    m_hLabel = new QLabel(this);
    m_hScale = new QSpinBox(this);
    m_hScale->setObjectName(QStringLiteral("ProfileMG"));
    m_hScale->setRange(10, 1000000);
    m_vLabel = new QLabel(this);
    m_vScale = new QSpinBox(this);
    m_vScale->setObjectName(QStringLiteral("ProfileMV"));
    m_vScale->setRange(1, 1000000);
    m_gridLabel = new QLabel(this);
    m_grid = new QDoubleSpinBox(this);
    m_grid->setObjectName(QStringLiteral("ProfileGrid"));
    m_grid->setLocale(QLocale::c());
    m_grid->setRange(0.5, 100);
    m_grid->setDecimals(1);
    m_grid->setValue(5);
    m_cold = new QCheckBox(this);
    m_cold->setObjectName(QStringLiteral("ProfileCold"));
    m_undoButton = ProfileButton("ProfileUndo", this);
    m_redoButton = ProfileButton("ProfileRedo", this);
    m_spotButton = ProfileButton("ProfileSpot", this);
    m_cancelButton = ProfileButton("ProfileCancelSpot", this);
    m_cancelButton->hide();
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProfileProgress"));
    m_progress->setRange(0, 1000);
    m_progress->setTextVisible(false);
    m_progress->setMaximumWidth(160);
    m_progress->hide();

    auto *top = new QHBoxLayout;
    top->addWidget(m_templateLabel);
    top->addWidget(m_templateBox);
    top->addSpacing(12);
    top->addWidget(m_hLabel);
    top->addWidget(m_hScale);
    top->addWidget(m_vLabel);
    top->addWidget(m_vScale);
    top->addSpacing(12);
    top->addWidget(m_gridLabel);
    top->addWidget(m_grid);
    top->addWidget(m_cold);
    top->addStretch(1);
    m_importButton = ProfileButton("ProfileImport", this);
    m_importMenu = new QMenu(m_importButton);
    m_importButton->setMenu(m_importMenu);
    m_exportButton = ProfileButton("ProfileExport", this);
    m_exportMenu = new QMenu(m_exportButton);
    m_exportButton->setMenu(m_exportMenu);

    m_view = new ProfileView(this);
    m_view->setObjectName(QStringLiteral("ProfileView"));
    m_view->setMinimumSize(400, 220);
    m_ruling = new QLabel(this);
    m_ruling->setObjectName(QStringLiteral("ProfileRuling"));
    m_ruling->setWordWrap(true);
    m_conditions = new QLabel(this);
    m_conditions->setObjectName(QStringLiteral("ProfileConditions"));
    m_conditions->setWordWrap(true);
    auto *viewPane = new QWidget(this);
    auto *viewLayout = new QVBoxLayout(viewPane);
    viewLayout->setContentsMargins(0, 0, 0, 0);
    viewLayout->addWidget(m_view, 1);
    viewLayout->addWidget(m_ruling);
    viewLayout->addWidget(m_conditions);

    m_violationsLabel = new QLabel(this);
    m_violations = new QListWidget(this);
    m_violations->setObjectName(QStringLiteral("ProfileViolations"));
    m_violations->setWordWrap(true);
    m_violations->setSpacing(3);
    auto *listPane = new QWidget(this);
    auto *listLayout = new QVBoxLayout(listPane);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(m_violationsLabel);
    listLayout->addWidget(m_violations, 1);

    auto *upper = new QSplitter(Qt::Horizontal, this);
    upper->addWidget(viewPane);
    upper->addWidget(listPane);
    upper->setStretchFactor(0, 4);
    upper->setStretchFactor(1, 1);
    // The check's sentences are long: the list is wide enough for a few words a line.
    listPane->setMinimumWidth(240);
    upper->setSizes({880, 320});

    m_towersLabel = new QLabel(this);
    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("ProfileTowers"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 10);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The columns' widths from the rows in sight and a few more, not from every tower's cells
    // at each change: a long line keeps its table quick.
    m_table->horizontalHeader()->setResizeContentsPrecision(40);
    m_deleteButton = ProfileButton("ProfileDeleteTower", this);
    m_closeButton = ProfileButton("ProfileClose", this);
    auto *tablePane = new QWidget(this);
    auto *tableLayout = new QVBoxLayout(tablePane);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addWidget(m_towersLabel);
    tableLayout->addWidget(m_table, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_undoButton);
    buttons->addWidget(m_redoButton);
    buttons->addWidget(m_deleteButton);
    buttons->addSpacing(12);
    buttons->addWidget(m_importButton);
    buttons->addWidget(m_exportButton);
    buttons->addSpacing(12);
    buttons->addWidget(m_spotButton);
    buttons->addWidget(m_progress);
    buttons->addWidget(m_cancelButton);
    m_written = new QLabel(this);
    m_written->setObjectName(QStringLiteral("ProfileWritten"));
    m_written->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path is cut, never widens the window: the tooltip has it whole.
    m_written->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    buttons->addWidget(m_written, 1);
    buttons->addWidget(m_closeButton);
    tableLayout->addLayout(buttons);

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("ProfileSplitter"));
    splitter->addWidget(upper);
    splitter->addWidget(tablePane);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    resize(1200, 760);

    auto guarded = [](auto action) { return [action] { Guarded([&] { action(); }); }; };
    connect(m_templateBox, &QComboBox::currentIndexChanged, this,
            guarded([this] { TemplatePicked(); }));
    connect(m_hScale, &QSpinBox::valueChanged, this, [this] { ShowView(); });
    connect(m_vScale, &QSpinBox::valueChanged, this, [this] { ShowView(); });
    connect(m_cold, &QCheckBox::toggled, this, [this] { ShowView(); });
    QUndoStack *undo = UndoStack();
    connect(m_undoButton, &QPushButton::clicked, this, guarded([undo] { undo->undo(); }));
    connect(m_redoButton, &QPushButton::clicked, this, guarded([undo] { undo->redo(); }));
    connect(undo, &QUndoStack::canUndoChanged, m_undoButton, &QWidget::setEnabled);
    connect(undo, &QUndoStack::canRedoChanged, m_redoButton, &QWidget::setEnabled);
    // The keys of every editor: Ctrl+Z, Ctrl+Y (Ctrl+Shift+Z), Delete in the table.
    QAction *undoKey = undo->createUndoAction(this);
    undoKey->setShortcut(QKeySequence::Undo);
    QAction *redoKey = undo->createRedoAction(this);
    redoKey->setShortcuts({QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addActions({undoKey, redoKey});
    auto *deleteKey = new QAction(m_table);
    deleteKey->setShortcut(QKeySequence::Delete);
    deleteKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_table->addAction(deleteKey);
    connect(deleteKey, &QAction::triggered, this, guarded([this] { DeleteClick(); }));
    m_undoButton->setEnabled(undo->canUndo());
    m_redoButton->setEnabled(undo->canRedo());
    connect(m_spotButton, &QPushButton::clicked, this, guarded([this] { SpotClick(); }));
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { CancelSpotClick(); });
    connect(m_deleteButton, &QPushButton::clicked, this, guarded([this] { DeleteClick(); }));
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_view, &ProfileView::TowerPicked, this, [this](int i) { SelectTower(i, false); });
    connect(m_view, &ProfileView::TowerDragged, this,
            [this](int i, double station) { Guarded([&] { TowerDragged(i, station); }); });
    connect(m_view, &ProfileView::TowerDropped, this,
            [this](int i) { Guarded([&] { TowerDropped(i); }); });
    connect(m_view, &ProfileView::AddRequested, this,
            [this](double station) { Guarded([&] { AddTower(station); }); });
    connect(m_table, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!m_filling)
            SelectTower(row, true);
    });
    auto centre = [this](QListWidgetItem *item) {
        const int row = m_violations->row(item);
        if (m_check && row >= 0 && row < static_cast<int>(m_check->violations.size())) {
            const ProfileViolation &v = m_check->violations[static_cast<std::size_t>(row)];
            m_view->CentreOnPlace(v.station, v.elevation);
        }
    };
    connect(m_violations, &QListWidget::itemClicked, this, centre);
    connect(m_violations, &QListWidget::itemActivated, this, centre);

    struct MenuEntry
    {
        QMenu *menu;
        const char *name;
        std::function<void()> run;
    };
    const MenuEntry entries[] = {
        {m_importMenu, "ProfileImportGround", [this] { ImportLine(LineImportKind::Ground); }},
        {m_importMenu, "ProfileImportTypes", [this] { ImportLine(LineImportKind::Types); }},
        {m_importMenu, "ProfileImportTowers", [this] { ImportLine(LineImportKind::Towers); }},
        {m_importMenu, "ProfileImportCrossings", [this] { ImportLine(LineImportKind::Crossings); }},
        {m_importMenu, "ProfileImportForbidden", [this] { ImportLine(LineImportKind::Forbidden); }},
        {m_exportMenu, "ProfileExportDrawing", [this] { ExportDrawing(); }},
        {m_exportMenu, "ProfileExportSchedule", [this] { ExportSchedule(); }},
        {m_exportMenu, "ProfileExportPicture", [this] { ExportPicture(); }},
        {m_exportMenu, "ProfilePrint", [this] { PrintProfileClick(); }},
    };
    for (const MenuEntry &entry : entries) {
        QAction *action = entry.menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(entry.name));
        connect(action, &QAction::triggered, this, [run = entry.run] { Guarded([&] { run(); }); });
    }

    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(100);
    connect(m_progressTimer, &QTimer::timeout, this,
            [this] { m_progress->setValue(static_cast<int>(m_fraction.load() * 1000)); });

    const QByteArray split = QByteArray::fromBase64(ReadSoftSetting(SplitterKey).toLatin1());
    if (!split.isEmpty())
        splitter->restoreState(split);
}

void TFormProfile::RetranslateUi()
{
    setWindowTitle(UiText("Line_profile"));
    m_templateLabel->setText(UiText("Profile_template"));
    m_hLabel->setText(UiText("Profile_hscale"));
    m_vLabel->setText(UiText("Profile_vscale"));
    m_gridLabel->setText(UiText("Profile_grid"));
    m_cold->setText(UiText("Profile_cold"));
    m_undoButton->setText(UiText("Profile_undo"));
    m_redoButton->setText(UiText("Profile_redo"));
    m_spotButton->setText(UiText("Profile_spot"));
    m_cancelButton->setText(UiText("Cancel"));
    m_violationsLabel->setText(UiText("Profile_violations"));
    m_towersLabel->setText(UiText("Profile_towers"));
    m_deleteButton->setText(UiText("Profile_delete_button"));
    m_closeButton->setText(UiText("Close"));
    m_importButton->setText(UiText("Profile_import"));
    m_exportButton->setText(UiText("Profile_export"));
    const std::pair<const char *, const char *> actionTexts[] = {
        {"ProfileImportGround", "Profile_import_ground"},
        {"ProfileImportTypes", "Profile_import_types"},
        {"ProfileImportTowers", "Profile_import_towers"},
        {"ProfileImportCrossings", "Profile_import_crossings"},
        {"ProfileImportForbidden", "Profile_import_forbidden"},
        {"ProfileExportDrawing", "Profile_export_dxf"},
        {"ProfileExportSchedule", "Profile_export_schedule"},
        {"ProfileExportPicture", "Profile_export_picture"},
        {"ProfilePrint", "Profile_print"},
    };
    for (const auto &[name, key] : actionTexts) {
        if (auto *action = findChild<QAction *>(QString::fromLatin1(name)))
            action->setText(UiText(key));
    }
    m_table->setHorizontalHeaderLabels(
        {UiText("Profile_col_number"), UiText("Profile_col_station"), UiText("Profile_col_type"),
         UiText("Profile_col_ground"), UiText("Profile_col_attachment"), UiText("Profile_col_span"),
         UiText("Profile_col_wind"), UiText("Profile_col_weight"),
         UiText("Profile_col_weight_cold"), UiText("Profile_col_clearance")});
}

void TFormProfile::showEvent(QShowEvent *event)
{
    if (!m_geometryRestored) {
        m_geometryRestored = true;
        const QByteArray geometry = QByteArray::fromBase64(ReadSoftSetting(GeometryKey).toLatin1());
        if (!geometry.isEmpty())
            restoreGeometry(geometry);
    }
    RetranslateUi();
    Guarded([this] { FillTemplates(); });
    QDialog::showEvent(event);
}

void TFormProfile::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // Coming to the front, the window follows what changed in the other windows meanwhile
    // (the templates, the climate, the wire); not in the middle of a drag or a spotting.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()
        && m_dragBefore.empty() && !m_worker) {
        Guarded([this] {
            RetranslateUi();
            FillTemplates();
        });
    }
}

void TFormProfile::hideEvent(QHideEvent *event)
{
    WriteSoftSetting(GeometryKey, QString::fromLatin1(saveGeometry().toBase64()));
    if (auto *splitter = findChild<QSplitter *>(QStringLiteral("ProfileSplitter")))
        WriteSoftSetting(SplitterKey, QString::fromLatin1(splitter->saveState().toBase64()));
    QDialog::hideEvent(event);
}

void TFormProfile::ProjectReplaced()
{
    CancelSpotClick();
    m_selected = -1;
    // The new project's first template is chosen with its scales.
    m_templateBox->clear();
    m_templates.clear();
    if (isVisible())
        Guarded([this] { FillTemplates(); });
}

void TFormProfile::FillTemplates()
{
    const TShablonList &list = Project().Shablons;
    const int chosen = TemplateIndex();
    const QSignalBlocker blocker(m_templateBox);
    m_templateBox->clear();
    m_templates.clear();
    for (int i = 0; i < list.Count(); ++i) {
        const TShablon &shablon = list.Items(i);
        if (shablon.TipShablona != 0 && shablon.TipShablona != 1)
            continue;
        m_templates.push_back(i);
        m_templateBox->addItem(QString::fromStdString(shablon.Name));
    }
    const auto again = std::find(m_templates.begin(), m_templates.end(), chosen);
    m_templateBox->setCurrentIndex(again == m_templates.end()
                                       ? (m_templates.empty() ? -1 : 0)
                                       : static_cast<int>(again - m_templates.begin()));
    // The scales the user set stay while the template does.
    if (TemplateIndex() != chosen)
        TemplatePicked();
    else
        Refresh();
}

int TFormProfile::TemplateIndex() const
{
    const int row = m_templateBox->currentIndex();
    if (row < 0 || row >= static_cast<int>(m_templates.size()))
        return -1;
    return m_templates[static_cast<std::size_t>(row)];
}

double TFormProfile::GridStep() const
{
    return m_grid->value();
}

void TFormProfile::TemplatePicked()
{
    const int index = TemplateIndex();
    if (index >= 0) {
        const TShablon &shablon = Project().Shablons.Items(index);
        const QSignalBlocker h(m_hScale), v(m_vScale);
        m_hScale->setValue(shablon.MG);
        m_vScale->setValue(shablon.MV);
    }
    Refresh();
}

void TFormProfile::Refresh()
{
    m_check.reset();
    m_refusal.clear();
    const int index = TemplateIndex();
    try {
        if (index < 0)
            throw Error(UiText("Profile_no_template").toStdString());
        const TProject &project = Project();
        if (project.Line.ground.size() < 2 || project.Line.towers.size() < 2)
            throw Error(UiText("Profile_no_line").toStdString());
        const PreparedCalculation prepared
            = PrepareCalculation(project, Catalogue(), Language(), SpanUse::OwnSpans);
        if (prepared.Refused())
            throw Error(RefusalText(prepared));
        m_wireSection = prepared.wire.Sech;
        m_check = CheckProfile(project, project.Line, index, prepared.wire, Language(), Factors());
    } catch (const Error &e) {
        m_refusal = QString::fromStdString(e.what());
    }
    ShowView();
    ShowTable();
    // The list of wrapped texts follows once the tower is dropped; the rings, their tooltips
    // and the table follow every step of a drag.
    if (m_dragBefore.empty())
        ShowViolations();
    ShowRuling();
    ShowConditions();
}

void TFormProfile::ShowView()
{
    ProfileView::Content content;
    content.line = Line();
    content.check = m_check ? &*m_check : nullptr;
    content.mg = m_hScale->value();
    content.mv = m_vScale->value();
    content.cold = m_cold->isChecked();
    content.selected = m_selected;
    m_view->SetContent(content);
}

void TFormProfile::ShowTable()
{
    // The cells are kept and only what changed is written: a drag redraws a row or two, not
    // the whole table.
    m_filling = true;
    // The columns are measured once at the end, not at every cell written (and not at all while
    // a tower is dragged).
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    const LineProfile &line = Line();
    m_table->setRowCount(static_cast<int>(line.towers.size()));
    QStringList typeNames;
    for (const TowerType &type : line.types)
        typeNames << QString::fromStdString(type.name);
    const bool typesChanged = typeNames != m_typeNames;
    m_typeNames = typeNames;
    auto setCell = [this](int row, int col, const QString &text, bool failing) {
        QTableWidgetItem *item = m_table->item(row, col);
        if (!item) {
            item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(row, col, item);
        } else if (item->text() != text) {
            item->setText(text);
        }
        const QBrush brush = failing ? QBrush(QColor(200, 0, 0)) : QBrush();
        if (item->foreground() != brush)
            item->setForeground(brush);
    };
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const auto i = static_cast<std::size_t>(row);
        const Tower &tower = line.towers[i];
        QStringList cells(ColumnCount);
        std::array<bool, ColumnCount> failing {};
        cells[ColNumber] = QString::number(row + 1);
        cells[ColStation] = Fixed(tower.station);
        if (m_check && i < m_check->check.towers.size()) {
            const LineTowerResult &t = m_check->check.towers[i];
            cells[ColGround] = Fixed(t.ground);
            cells[ColAttachment] = Fixed(t.attachment);
            if (t.inner) {
                cells[ColWind] = Fixed(t.spans.wind);
                cells[ColWeight] = Fixed(t.spans.weight);
                cells[ColWeightCold] = Fixed(t.spans.weightCold);
                // Red where the check fails: the tower's own spans, the clearance ahead.
                failing[ColWind] = !t.spans.windOk;
                failing[ColWeight] = !t.spans.weightOk;
                failing[ColWeightCold] = !t.spans.weightColdOk;
            }
            failing[ColNumber] = !t.ok;
            if (i < m_check->check.spans.size()) {
                const LineSpanResult &span = m_check->check.spans[i];
                cells[ColSpan] = Fixed(span.design.length);
                cells[ColClearance] = Fixed(span.design.ground.clearance);
                failing[ColClearance] = !span.design.ok;
            }
        }
        for (int col = 0; col < ColumnCount; ++col) {
            if (col != ColType)
                setCell(row, col, cells[col], failing[static_cast<std::size_t>(col)]);
        }
        auto *box = qobject_cast<QComboBox *>(m_table->cellWidget(row, ColType));
        if (!box) {
            box = new QComboBox(m_table);
            box->setObjectName(QStringLiteral("TowerType%1").arg(row));
            m_table->setCellWidget(row, ColType, box);
            connect(box, &QComboBox::currentIndexChanged, this, [this, row](int type) {
                if (!m_filling && type >= 0)
                    Guarded([&] { SetTowerType(row, type); });
            });
            box->addItems(typeNames);
        } else if (typesChanged) {
            box->clear();
            box->addItems(typeNames);
        }
        if (box->currentIndex() != tower.type)
            box->setCurrentIndex(tower.type);
    }
    if (m_selected >= m_table->rowCount())
        m_selected = -1;
    if (m_selected >= 0)
        m_table->selectRow(m_selected);
    else
        m_table->clearSelection();
    if (m_dragBefore.empty())
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_filling = false;
}

void TFormProfile::ShowViolations()
{
    struct Row
    {
        QString text;
        bool violation;
    };
    std::vector<Row> rows;
    if (m_check) {
        for (const ProfileViolation &v : m_check->violations)
            rows.push_back({v.text, true});
        if (rows.empty())
            rows.push_back({UiText("Profile_no_violations"), false});
    }
    // The rows are kept and only the texts that changed are written: filling the list afresh
    // at every step of a drag would lay out every wrapped text again.
    while (m_violations->count() > static_cast<int>(rows.size()))
        delete m_violations->takeItem(m_violations->count() - 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        QListWidgetItem *item = m_violations->item(static_cast<int>(i));
        if (!item)
            item = new QListWidgetItem(m_violations);
        if (item->text() != row.text) {
            item->setText(row.text);
            item->setToolTip(row.violation ? row.text : QString());
        }
        const QBrush colour = row.violation ? QBrush(QColor(200, 0, 0)) : QBrush();
        if (item->foreground() != colour)
            item->setForeground(colour);
        const Qt::ItemFlags flags
            = row.violation ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
        if (item->flags() != flags)
            item->setFlags(flags);
    }
}

void TFormProfile::ShowRuling()
{
    if (!m_check) {
        m_ruling->setText(m_refusal);
        m_ruling->setStyleSheet(QStringLiteral("color: #b00000;"));
        return;
    }
    const LineCheck &check = m_check->check;
    const QString ruling = QString::number(check.rulingSpan, 'f', 1);
    QStringList failing;
    for (std::size_t i = 0; i < check.spans.size(); ++i) {
        if (!check.spans[i].rulingOk)
            failing << QStringLiteral("%1–%2").arg(i + 1).arg(i + 2);
    }
    if (failing.isEmpty()) {
        m_ruling->setText(UiText("Profile_ruling_ok").arg(ruling));
        m_ruling->setStyleSheet(QString());
    } else {
        m_ruling->setText(
            UiText("Profile_ruling_fail").arg(ruling, failing.join(QStringLiteral(", "))));
        m_ruling->setStyleSheet(QStringLiteral("color: #b00000;"));
    }
}

void TFormProfile::ShowConditions()
{
    if (!m_check) {
        m_conditions->clear();
        return;
    }
    const ProfileUnits units = ProfileUnitsOf(Factors());
    const LineCheck &check = m_check->check;
    const LineConditions &c = check.conditions;
    m_conditions->setText(
        UiText("Profile_conditions")
            .arg(units.Stress(c.design.sigma), units.Force(c.design.sigma * m_wireSection),
                 units.Stress(c.cold.sigma), units.Force(c.cold.sigma * m_wireSection),
                 units.Stress(check.rulingStress), QString::number(c.clearance, 'f', 2)));
}

void TFormProfile::SelectTower(int index, bool centre)
{
    m_selected = index;
    if (!m_filling) {
        m_filling = true;
        if (index >= 0)
            m_table->selectRow(index);
        m_filling = false;
    }
    ShowView();
    const LineProfile &line = Line();
    if (centre && index >= 0 && static_cast<std::size_t>(index) < line.towers.size()
        && line.ground.size() >= 2) {
        const double station = line.towers[static_cast<std::size_t>(index)].station;
        m_view->ensureVisible(QRectF(
            m_view->ScenePoint(station, m_view->CentreStationElevation().y()), QSizeF(1, 1)));
    }
}

void TFormProfile::DocumentLineChanged()
{
    if (m_selected >= static_cast<int>(Line().towers.size()))
        m_selected = -1;
    Refresh();
    emit LineChanged();
}

void TFormProfile::PushTowers(std::vector<Tower> before, const QString &text)
{
    if (before == Line().towers)
        return;
    LineProfile was = Line();
    was.towers = std::move(before);
    m_host.document->LineEditedInPlace(was, text);
}

std::optional<double> TFormProfile::SiteNear(double station) const
{
    const LineProfile &line = Project().Line;
    if (line.ground.size() < 2 || !std::isfinite(station))
        return std::nullopt;
    const double grid = GridStep();
    const double site = std::clamp(std::round(station / grid) * grid, line.ground.front().x,
                                   line.ground.back().x);
    for (std::size_t i = 0; i < line.towers.size(); ++i) {
        if (std::abs(line.towers[i].station - site) < 1e-9)
            return std::nullopt;
    }
    return site;
}

void TFormProfile::MoveTower(int index, double station)
{
    TowerDragged(index, station);
    TowerDropped(index);
}

void TFormProfile::TowerDragged(int index, double station)
{
    std::vector<Tower> &towers = Line().towers;
    if (index < 0 || static_cast<std::size_t>(index) >= towers.size() || m_worker)
        return;
    if (m_dragBefore.empty())
        m_dragBefore = towers;
    if (!std::isfinite(station) || Line().ground.size() < 2)
        return;
    // A tower keeps its place in the order: it stops a grid step short of its neighbours.
    const auto i = static_cast<std::size_t>(index);
    const double grid = GridStep();
    double to = std::clamp(std::round(station / grid) * grid, Line().ground.front().x,
                           Line().ground.back().x);
    if (i > 0)
        to = std::max(to, std::floor(towers[i - 1].station / grid + 1 + 1e-9) * grid);
    if (i + 1 < towers.size())
        to = std::min(to, std::ceil(towers[i + 1].station / grid - 1 - 1e-9) * grid);
    if ((i > 0 && to <= towers[i - 1].station)
        || (i + 1 < towers.size() && to >= towers[i + 1].station))
        return;
    if (towers[i].station == to)
        return;
    towers[i].station = to;
    m_selected = index;
    // The main window hears of the move once the tower is dropped (one step of the undo).
    Refresh();
}

void TFormProfile::TowerDropped(int index)
{
    if (m_dragBefore.empty())
        return;
    std::vector<Tower> before = std::move(m_dragBefore);
    m_dragBefore.clear();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    PushTowers(std::move(before), UiText("Profile_undo_move").arg(index + 1));
}

void TFormProfile::AddTower(double station)
{
    if (m_worker)
        return;
    const std::optional<double> site = SiteNear(station);
    std::vector<Tower> &towers = Line().towers;
    if (!site) {
        CurrentPrompts().Error(UiText("Profile_no_site").arg(QString::number(station, 'f', 1)));
        return;
    }
    const auto at = std::upper_bound(towers.begin(), towers.end(), *site,
                                     [](double s, const Tower &t) { return s < t.station; });
    const auto i = static_cast<std::size_t>(at - towers.begin());
    // A new tower takes the type of an intermediate neighbour: the ends are dead-end towers.
    int type = 0;
    if (i > 1)
        type = towers[i - 1].type;
    else if (i + 1 < towers.size())
        type = towers[i].type;
    std::vector<Tower> before = towers;
    towers.insert(at, Tower {*site, type});
    m_selected = static_cast<int>(i);
    PushTowers(std::move(before), UiText("Profile_undo_add"));
}

void TFormProfile::SetTowerType(int index, int type)
{
    std::vector<Tower> &towers = Line().towers;
    if (index < 0 || static_cast<std::size_t>(index) >= towers.size() || type < 0
        || static_cast<std::size_t>(type) >= Line().types.size() || m_worker)
        return;
    std::vector<Tower> before = towers;
    towers[static_cast<std::size_t>(index)].type = type;
    PushTowers(std::move(before), UiText("Profile_undo_type").arg(index + 1));
}

void TFormProfile::DeleteClick()
{
    const int row = m_table->currentRow();
    if (row >= 0)
        DeleteTower(row);
}

void TFormProfile::DeleteTower(int index)
{
    std::vector<Tower> &towers = Line().towers;
    if (index < 0 || static_cast<std::size_t>(index) >= towers.size() || m_worker)
        return;
    if (towers.size() <= 2) {
        CurrentPrompts().Error(UiText("Profile_two_towers"));
        return;
    }
    if (!CurrentPrompts().Question(UiText("Profile_delete_tower").arg(index + 1)))
        return;
    std::vector<Tower> before = towers;
    towers.erase(towers.begin() + index);
    m_selected = -1;
    PushTowers(std::move(before), UiText("Profile_undo_delete").arg(index + 1));
}

void TFormProfile::SpotClick()
{
    if (m_worker)
        return;
    const int index = TemplateIndex();
    if (index < 0)
        throw Error(UiText("Profile_no_template").toStdString());
    const TProject &project = Project();
    CheckLineProfile(project.Line, Language());
    const PreparedCalculation prepared
        = PrepareCalculation(project, Catalogue(), Language(), SpanUse::OwnSpans);
    if (prepared.Refused())
        throw Error(RefusalText(prepared));
    const SpottingInput input
        = SpottingInputOf(project, project.Line, index, prepared.wire, GridStep(), Language());
    m_spotFrom = project.Line.towers;
    m_stop = false;
    m_fraction = 0;
    m_spotError.clear();
    m_worker = QThread::create([this, input] {
        SpottingControl control;
        control.progress = [this](double fraction) { m_fraction = fraction; };
        control.stop = &m_stop;
        try {
            m_spotResult = SpotTowers(input, control);
        } catch (const std::exception &e) {
            m_spotError = QString::fromStdString(e.what());
        }
    });
    connect(m_worker, &QThread::finished, this, &TFormProfile::SpotFinished);
    m_spotButton->setEnabled(false);
    m_progress->setValue(0);
    m_progress->show();
    m_cancelButton->show();
    m_view->setInteractive(false);
    m_table->setEnabled(false);
    m_progressTimer->start();
    m_worker->start();
}

void TFormProfile::CancelSpotClick()
{
    if (m_worker)
        m_stop = true;
}

void TFormProfile::SpotFinished()
{
    m_worker->wait();
    m_worker->deleteLater();
    m_worker = nullptr;
    m_progressTimer->stop();
    m_progress->hide();
    m_cancelButton->hide();
    m_spotButton->setEnabled(true);
    m_view->setInteractive(true);
    m_table->setEnabled(true);
    const bool cancelled = m_stop.load();
    Guarded([this, cancelled] {
        if (cancelled || m_spotResult.outcome == SpottingResult::Outcome::Cancelled)
            return;
        if (!m_spotError.isEmpty())
            throw Error(m_spotError.toStdString());
        if (m_spotResult.outcome == SpottingResult::Outcome::NoneFeasible) {
            CurrentPrompts().Error(UiText("Profile_spot_none")
                                       .arg(QString::number(m_spotResult.blockedFrom, 'f', 1),
                                            QString::number(m_spotResult.blockedTo, 'f', 1)));
            return;
        }
        const LineProfile &line = Line();
        // The line may not change under a running spotting; if it did, the proposal is stale.
        if (line.towers != m_spotFrom)
            return;
        const QString text = UiText("Profile_proposal")
                                 .arg(m_spotResult.towers.size())
                                 .arg(line.towers.size())
                                 .arg(QString::number(m_spotResult.cost, 'f', 2),
                                      QString::number(LineCost(line, line.towers), 'f', 2));
        if (!CurrentPrompts().Question(text))
            return;
        std::vector<Tower> before = line.towers;
        Line().towers = m_spotResult.towers;
        m_selected = -1;
        PushTowers(std::move(before), UiText("Profile_undo_spot"));
    });
    emit SpottingEnded();
}

} // namespace velmora

namespace velmora {

void TFormProfile::ImportLine(LineImportKind kind)
{
    if (m_worker)
        return;
    FileDialogRequest request {UiText("Profile_import_title"),
                               kind == LineImportKind::Ground
                                   ? QStringLiteral("CSV, text, LandXML (*.csv *.txt *.xml);;* (*)")
                                   : QStringLiteral("CSV, text (*.csv *.txt);;* (*)"),
                               {},
                               {},
                               {}};
    PrepareDialogFolder(request, FileKind::LineText, DialogUse::Open);
    const QString path = CurrentPrompts().OpenFileName(request);
    if (path.isEmpty())
        return;
    RememberDialogFolder(FileKind::LineText, path);
    LineImport read = ReadLineImport(kind, path, Line(), Language());
    // Nothing is replaced before the user has seen what was read (No is the default answer).
    if (!CurrentPrompts().WarningYesNo(read.question) || read.line == Line())
        return;
    m_selected = -1;
    m_host.document->EditLine(read.line,
                              UiText("Profile_undo_import").arg(QFileInfo(path).fileName()));
}

bool TFormProfile::CheckForExport()
{
    Refresh();
    if (!m_check) {
        CurrentPrompts().Error(m_refusal);
        return false;
    }
    return true;
}

QString TFormProfile::ProjectName() const
{
    const QString name = TFormMain::ProjectNameOf(m_host.document->FileName());
    return name.isEmpty() ? UiText("Line_profile") : name;
}

ProfileTitleBlock TFormProfile::TitleBlock() const
{
    const TProject &project = Project();
    const int index = TemplateIndex();
    ProfileTitleBlock block;
    block.title = UiText("Line_profile") + QStringLiteral(" – ") + ProjectName();
    block.rows = {
        {UiText("Profile_tb_project"), ProjectName()},
        {UiText("Profile_tb_wire"), QString::fromStdString(project.Dat.Provod)},
        {UiText("Profile_tb_template"),
         index >= 0 ? QString::fromStdString(project.Shablons.Items(index).Name) : QString()},
        {UiText("Profile_tb_date"), QDate::currentDate().toString(Qt::ISODate)},
        {UiText("Profile_tb_scales"),
         UiText("Profile_tb_scales_value").arg(m_hScale->value()).arg(m_vScale->value())},
    };
    return block;
}

void TFormProfile::Written(const QString &path)
{
    m_written->setText(UiText("Written_to").arg(QDir::toNativeSeparators(path)));
    m_written->setToolTip(m_written->text());
    AnnounceWrittenFile(path);
}

void TFormProfile::ExportDrawing()
{
    if (m_worker || !CheckForExport())
        return;
    FileDialogRequest request {UiText("Profile_dxf_title"),
                               QStringLiteral("DXF (*.dxf)"),
                               QStringLiteral("dxf"),
                               {},
                               ProjectName() + QStringLiteral(".dxf")};
    PrepareDialogFolder(request, FileKind::Drawing, DialogUse::Save);
    const QString path = CurrentPrompts().SaveFileName(request);
    if (path.isEmpty())
        return;
    const TProject &project = Project();
    DrawLineProfile(QFile::encodeName(path).toStdString(), project.Line, m_check->check,
                    project.Shablons.Items(TemplateIndex()), Language());
    RememberDialogFolder(FileKind::Drawing, path);
    Written(path);
    OpenWrittenFile(path);
}

void TFormProfile::ExportSchedule()
{
    if (m_worker || !CheckForExport())
        return;
    FileDialogRequest request {UiText("Profile_schedule_title"),
                               QStringLiteral("*.xls (*.xls)"),
                               QStringLiteral("xls"),
                               {},
                               ProjectName() + QStringLiteral(" - ")
                                   + UiText("Profile_schedule_name") + QStringLiteral(".xls")};
    PrepareDialogFolder(request, FileKind::Report, DialogUse::Save);
    const QString path = CurrentPrompts().SaveFileName(request);
    if (path.isEmpty())
        return;
    // The form of the units the numbers are written in.
    const UnitFactors factors = Factors();
    const int units = factors.stress == 1 ? 0 : 1;
    const std::string form = (ApplicationDir()).toStdString()
        + TowerScheduleFormName(Language() == Lang::English, units);
    const TProject &project = Project();
    WriteTowerSchedule(form, QFile::encodeName(path).toStdString(),
                       project.Shablons.Items(TemplateIndex()).Name, project.Line, m_check->check,
                       Language(), factors);
    RememberDialogFolder(FileKind::Report, path);
    Written(path);
    OpenWrittenFile(path);
}

void TFormProfile::ExportPicture()
{
    FileDialogRequest request {UiText("Profile_picture_title"),
                               QStringLiteral("PNG (*.png);;SVG (*.svg);;PDF (*.pdf)"),
                               QStringLiteral("png"),
                               {},
                               ProjectName() + QStringLiteral(".png")};
    PrepareDialogFolder(request, FileKind::Drawing, DialogUse::Save);
    const QString path = CurrentPrompts().SaveFileName(request);
    if (path.isEmpty())
        return;
    QString error;
    if (!SaveProfilePicture(*m_view, TitleBlock(), path, &error)) {
        CurrentPrompts().Error(error);
        return;
    }
    RememberDialogFolder(FileKind::Drawing, path);
    Written(path);
}

void TFormProfile::PrintProfileClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(UiText("Line_profile"));
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (CurrentPrompts().Exec(dialog) != QDialog::Accepted)
        return;
    // Printed to a file, the PDF is made in memory and written by the safe writer.
    const QString file = printer.outputFileName();
    if (file.isEmpty()) {
        PrintProfile(printer, *m_view, TitleBlock());
        return;
    }
    QString error;
    if (!SaveProfilePdf(*m_view, TitleBlock(), file, &error)) {
        CurrentPrompts().Error(error);
        return;
    }
    Written(file);
}

} // namespace velmora
