#include "formmain.h"

#include "appwindows.h"
#include "calc/project_args.h"
#include "catalogue/catalogue.h"
#include "catalogue/formwiresbase.h"
#include "common/error.h"
#include "data/projectfile.h"
#include "dialogfolders.h"
#include "fieldchecks.h"
#include "formabout.h"
#include "formklimatkoef.h"
#include "formsaveproject.h"
#include "formunitsdlg.h"
#include "guard.h"
#include "l10n/localization.h"
#include "l10n/texts.h"
#include "l10n/units.h"
#include "languagedialog.h"
#include "numberfields.h"
#include "platform.h"
#include "program.h"
#include "prompts.h"
#include "qttranslations.h"
#include "reportplatform.h"
#include "results/resultspane.h"
#include "uitext.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace velmora {

namespace {

constexpr int FieldWidth = 96;

const FileDialogRequest OpenProjectDialog {QStringLiteral("Открыть проект Velmora ..."),
                                           QStringLiteral("*.vlp (*.vlp)"),
                                           QStringLiteral("vlp"),
                                           {},
                                           {}};
const FileDialogRequest SaveProjectDialog {QStringLiteral("Сохранить проект Velmora ..."),
                                           QStringLiteral("*.vlp (*.vlp)"),
                                           QStringLiteral("vlp"),
                                           {},
                                           {}};

// The engine with the spreadsheet report under the program's folder, in the language and
// units mode in force.
CalcOutcome RunEngineWithReport(const TProject &project, const CalcArgs &args, CalcRun &run)
{
    // The report is named after the open project.
    const TFormMain *main = Windows().FormMain;
    const QString projectName = main ? TFormMain::ProjectNameOf(main->ProjectFileName) : QString();
    const Lang lang = CurrentLang();
    DesktopReport report(ApplicationDir(), lang, ReadUnits(), projectName);
    return CalcProject(project, FindWire(project.Dat.Provod), CalcPurpose::Full, args, lang, run,
                       &report);
}

DecimalField *NewDecimalField(const char *name, double step, QWidget *parent)
{
    auto *field = new DecimalField(step, parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setFixedWidth(FieldWidth);
    return field;
}

IntegerField *NewIntegerField(const char *name, QWidget *parent)
{
    auto *field = new IntegerField(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setFixedWidth(FieldWidth);
    return field;
}

QLabel *NewLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A whole-number field's value from a stored span, truncated toward zero and kept inside
// the field's range (a file may hold any number).
int SpanFieldValue(double value)
{
    if (std::isnan(value))
        return 0;
    const double truncated = std::trunc(value);
    if (truncated <= INT_MIN)
        return INT_MIN;
    if (truncated >= INT_MAX)
        return INT_MAX;
    return static_cast<int>(truncated);
}

// A value shown in the current units back in the stored unit. A value still shown as it was
// set gives the stored one exactly, so that switching the units changes nothing.
double FromShown(double shown, double stored, double factor)
{
    return shown == factor * stored ? stored : shown / factor;
}

} // namespace

TFormMain::TFormMain(QWidget *parent)
    : QMainWindow(parent)
    , m_calcDriver(RunEngineWithReport)
{
    setObjectName(QStringLiteral("FormMain"));
    // Numbers are shown and read with "." whatever the regional settings say.
    QLocale::setDefault(QLocale::c());
    RegisterCommonTexts();
    RegisterMainWindowTexts();
    CurProject.SetDefaults();
    SavedProject.Assign(CurProject);

    BuildActions();
    BuildMenusAndToolbar();

    auto *central = new QWidget(this);
    m_panelProjectName = NewLabel("PanelProjectName", central);
    QFont big = m_panelProjectName->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.35);
    m_panelProjectName->setFont(big);
    m_panelProjectName->setFrameShape(QFrame::StyledPanel);
    m_panelProjectName->setFrameShadow(QFrame::Sunken);
    m_panelProjectName->setMargin(6);
    m_panelProjectName->setMinimumHeight(m_panelProjectName->fontMetrics().height() + 18);
    m_panelProjectName->hide();

    auto *groups = new QHBoxLayout;
    groups->setSpacing(10);
    groups->addWidget(BuildClimaticGroup(), 0, Qt::AlignTop);
    groups->addWidget(BuildDesignGroup(), 0, Qt::AlignTop);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(8);
    layout->addWidget(m_panelProjectName);
    layout->addLayout(groups);
    setCentralWidget(central);
    BuildStatusBar();

    // A fixed-size window that follows the length of its texts in either language.
    QMainWindow::layout()->setSizeConstraint(QLayout::SetFixedSize);
    ProjectToForm();
    WatchChanges();

    m_resultsPane = new ResultsPane([this] { return ShownProject(); }, this);
    m_miView->addAction(m_resultsPane->toggleViewAction());
    connect(this, &TFormMain::InputChanged, m_resultsPane, &ResultsPane::InputChanged);
    connect(this, &TFormMain::ProjectReplaced, m_resultsPane, &ResultsPane::InputChanged);
}

TFormMain::~TFormMain()
{
    // The fields are destroyed after this body, and a field that loses the focus then still
    // signals: it must not call back into a window that is no longer a TFormMain.
    for (QObject *child : findChildren<QObject *>())
        QObject::disconnect(child, nullptr, this, nullptr);
}

CalcDriver TFormMain::DefaultCalcDriver()
{
    return RunEngineWithReport;
}

void TFormMain::BuildActions()
{
    auto make
        = [this](const char *name, QStyle::StandardPixmap icon, void (TFormMain::*handler)()) {
              auto *action = new QAction(this);
              action->setObjectName(QString::fromLatin1(name));
              if (icon != QStyle::SP_CustomBase)
                  action->setIcon(style()->standardIcon(icon));
              connect(action, &QAction::triggered, this,
                      [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
              return action;
          };
    m_actProjectNew = make("ActProjectNew", QStyle::SP_FileIcon, &TFormMain::ActNewProject);
    m_actProjectNew->setShortcut(QKeySequence::New);
    m_actProjectOpen
        = make("ActProjectOpen", QStyle::SP_DialogOpenButton, &TFormMain::ActOpenProject);
    m_actProjectOpen->setShortcut(QKeySequence::Open);
    m_actProjectSave
        = make("ActProjectSave", QStyle::SP_DialogSaveButton, &TFormMain::ActSaveProject);
    m_actProjectSave->setShortcut(QKeySequence::Save);
    m_actProjectSaveAs
        = make("ActProjectSaveAs", QStyle::SP_CustomBase, &TFormMain::ActProjectSaveAsExecute);
    m_actProjectSaveAs->setShortcut(QKeySequence::SaveAs);
    m_actExit = make("ActExit", QStyle::SP_DialogCloseButton, &TFormMain::ActExitExecute);
    m_actExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_actCalcProject
        = make("ActCalcProject", QStyle::SP_MediaPlay, &TFormMain::ActCalcProjectExecute);
    m_actCalcProject->setShortcut(QKeySequence(Qt::Key_F9));
    m_actWiresGuide = make("ActWiresGuide", QStyle::SP_FileDialogDetailedView,
                           &TFormMain::ActWiresGuideExecute);
    m_actCad = make("ActCad", QStyle::SP_FileDialogContentsView, &TFormMain::ActCadExecute);
    m_actSettingLanguage
        = make("ActSettingLanguage", QStyle::SP_CustomBase, &TFormMain::ActSettingLanguageExecute);
    m_actUnits = make("ActUnits", QStyle::SP_CustomBase, &TFormMain::ActUnitsExecute);
    m_actHelp = make("ActHelp", QStyle::SP_DialogHelpButton, &TFormMain::ActHelpExecute);
    m_actHelp->setShortcut(QKeySequence::HelpContents);
    m_actAbout = make("ActAbout", QStyle::SP_CustomBase, &TFormMain::ActAboutExecute);
}

void TFormMain::BuildMenusAndToolbar()
{
    m_miProject = menuBar()->addMenu(QString());
    m_miProject->setObjectName(QStringLiteral("MI_Project"));
    m_miProject->addAction(m_actProjectNew);
    m_miProject->addAction(m_actProjectOpen);
    m_miProject->addAction(m_actProjectSave);
    m_miProject->addAction(m_actProjectSaveAs);
    m_miProject->addSeparator();
    m_miProject->addAction(m_actExit);
    m_miCalculation = menuBar()->addMenu(QString());
    m_miCalculation->setObjectName(QStringLiteral("MI_Calculation"));
    m_miCalculation->addAction(m_actCalcProject);
    m_miView = menuBar()->addMenu(QString());
    m_miView->setObjectName(QStringLiteral("MI_View"));
    m_miReference = menuBar()->addMenu(QString());
    m_miReference->setObjectName(QStringLiteral("MI_Reference"));
    m_miReference->addAction(m_actWiresGuide);
    m_miCad = menuBar()->addMenu(QStringLiteral("Cad"));
    m_miCad->setObjectName(QStringLiteral("MI_CAD"));
    m_miCad->addAction(m_actCad);
    m_miSetting = menuBar()->addMenu(QString());
    m_miSetting->setObjectName(QStringLiteral("MI_Setting"));
    m_miSetting->addAction(m_actSettingLanguage);
    m_miSetting->addAction(m_actUnits);
    m_miHelp = menuBar()->addMenu(QString());
    m_miHelp->setObjectName(QStringLiteral("MI_Help"));
    m_miHelp->addAction(m_actHelp);
    m_miHelp->addAction(m_actAbout);

    QToolBar *toolbar = addToolBar(QStringLiteral("Main"));
    toolbar->setObjectName(QStringLiteral("ToolBar"));
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(24, 24));
    toolbar->addAction(m_actProjectNew);
    toolbar->addAction(m_actProjectOpen);
    toolbar->addAction(m_actProjectSave);
    toolbar->addSeparator();
    toolbar->addAction(m_actWiresGuide);
    toolbar->addAction(m_actCalcProject);
    toolbar->addAction(m_actCad);
    toolbar->addSeparator();
    toolbar->addAction(m_actHelp);
    toolbar->addAction(m_actExit);
}

QWidget *TFormMain::BuildClimaticGroup()
{
    m_climaticGroup = new QGroupBox(this);
    m_climaticGroup->setObjectName(QStringLiteral("GroupClimatic"));
    auto *grid = new QGridLayout(m_climaticGroup);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    struct ClimaticEntry
    {
        const char *name;
        const char *labelKey;
        double step;
        DecimalField **field;
        int unitKind; // 0 °C, 1 m/s, 2 mm
    };
    const ClimaticEntry climaticEntries[] = {
        {"T_Max", "Max_temperature", 0.1, &m_tMax, 0},
        {"T_Min", "Min_temperature", 0.5, &m_tMin, 0},
        {"T_Srg", "Average_annual_temperature", 0.5, &m_tSrg, 0},
        {"Tvmax", "Temperature_at_max_wind", 0.5, &m_tvmax, 0},
        {"T_Gbw", "Ice_without_wind_temperature", 0.5, &m_tGbw, 0},
        {"T_Gsw", "Ice_with_wind_temperature", 0.5, &m_tGsw, 0},
        {"VMax", "Max_wind_velocity", 0.5, &m_vMax, 1},
        {"Vgol", "Wind_velocity_with_ice", 0.5, &m_vgol, 1},
        {"Tols", "Ice_thickness", 0.1, &m_tols, 2},
    };
    int row = 0;
    for (const ClimaticEntry &entry : climaticEntries) {
        *entry.field = NewDecimalField(entry.name, entry.step, m_climaticGroup);
        QLabel *label = NewLabel(nullptr, m_climaticGroup);
        label->setBuddy(*entry.field);
        QLabel *unit = NewLabel(nullptr, m_climaticGroup);
        if (entry.unitKind == 0)
            unit->setText(QStringLiteral("°C"));
        else
            (entry.unitKind == 1 ? m_velocityUnits : m_mmUnits).append(unit);
        grid->addWidget(label, row, 0);
        grid->addWidget(*entry.field, row, 1);
        grid->addWidget(unit, row, 2);
        m_rows.append(Row {entry.labelKey, label, unit});
        ++row;
    }
    m_butKlimatParam = new QPushButton(m_climaticGroup);
    m_butKlimatParam->setObjectName(QStringLiteral("ButKlimatParam"));
    connect(m_butKlimatParam, &QPushButton::clicked, this,
            [this] { Guarded([this] { ButKlimatParamClick(); }); });
    grid->setRowMinimumHeight(row++, 6);
    grid->addWidget(m_butKlimatParam, row, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    return m_climaticGroup;
}

QWidget *TFormMain::BuildDesignGroup()
{
    m_designGroup = new QGroupBox(this);
    m_designGroup->setObjectName(QStringLiteral("GroupReference"));
    auto *layout = new QVBoxLayout(m_designGroup);
    layout->setSpacing(8);

    m_provodLabel = NewLabel("LabProvod", m_designGroup);
    m_provod = new QLineEdit(m_designGroup);
    m_provod->setObjectName(QStringLiteral("Provod"));
    m_provodLabel->setBuddy(m_provod);
    m_provodButton = new QToolButton(m_designGroup);
    m_provodButton->setObjectName(QStringLiteral("ProvodButton"));
    m_provodButton->setText(QStringLiteral("…"));
    connect(m_provodButton, &QToolButton::clicked, this,
            [this] { Guarded([this] { ProvodButtonClick(); }); });
    auto *provodRow = new QHBoxLayout;
    provodRow->setSpacing(2);
    provodRow->addWidget(m_provod, 1);
    provodRow->addWidget(m_provodButton);
    layout->addWidget(m_provodLabel);
    layout->addLayout(provodRow);

    m_spansGroup = new QGroupBox(m_designGroup);
    m_spansGroup->setObjectName(QStringLiteral("GroupSpans"));
    auto *spans = new QGridLayout(m_spansGroup);
    spans->setVerticalSpacing(6);
    struct SpanEntry
    {
        const char *name;
        const char *labelKey;
        IntegerField **field;
    };
    const SpanEntry spanEntries[] = {{"Min_Prol", "Minimum", &m_minProl},
                                     {"Max_Prol", "Maximum", &m_maxProl},
                                     {"Shag", "Change_step", &m_shag}};
    int row = 0;
    for (const SpanEntry &entry : spanEntries) {
        *entry.field = NewIntegerField(entry.name, m_spansGroup);
        QLabel *label = NewLabel(nullptr, m_spansGroup);
        label->setBuddy(*entry.field);
        QLabel *unit = NewLabel(nullptr, m_spansGroup);
        m_meterUnits.append(unit);
        spans->addWidget(label, row, 0);
        spans->addWidget(*entry.field, row, 1);
        spans->addWidget(unit, row, 2);
        m_rows.append(Row {entry.labelKey, label, unit});
        ++row;
    }
    spans->setColumnStretch(0, 1);
    layout->addWidget(m_spansGroup);

    m_rgCalcRegime = new QGroupBox(m_designGroup);
    m_rgCalcRegime->setObjectName(QStringLiteral("RgCalcRegime"));
    m_regimeDimensional = new QRadioButton(m_rgCalcRegime);
    m_regimeDimensional->setObjectName(QStringLiteral("RgCalcRegime0"));
    m_regimeAll = new QRadioButton(m_rgCalcRegime);
    m_regimeAll->setObjectName(QStringLiteral("RgCalcRegime1"));
    m_regimeButtons = new QButtonGroup(this);
    m_regimeButtons->addButton(m_regimeDimensional, 0);
    m_regimeButtons->addButton(m_regimeAll, 1);
    m_regimeAll->setChecked(true);
    connect(m_regimeButtons, &QButtonGroup::idClicked, this, [this] {
        RgCalcRegimeClick();
        ShowModifiedMark();
    });
    auto *regime = new QVBoxLayout(m_rgCalcRegime);
    regime->addWidget(m_regimeDimensional);
    regime->addWidget(m_regimeAll);
    layout->addWidget(m_rgCalcRegime);

    m_pcNapr = new QTabWidget(m_designGroup);
    m_pcNapr->setObjectName(QStringLiteral("PcNapr"));
    auto makePage = [this](const char *pageName, const char *maxName, const char *maxKey,
                           DecimalField *&maxField, const char *maxUnitName, QLabel *&maxUnit,
                           const char *srgName, const char *srgKey, DecimalField *&srgField,
                           const char *srgUnitName, QLabel *&srgUnit, bool squared) {
        auto *page = new QWidget(m_pcNapr);
        page->setObjectName(QString::fromLatin1(pageName));
        auto *grid = new QGridLayout(page);
        grid->setVerticalSpacing(8);
        auto addRow = [&](int row, const char *name, const char *key, DecimalField *&field,
                          const char *unitName, QLabel *&unit) {
            field = NewDecimalField(name, 0.5, page);
            QLabel *label = NewLabel(nullptr, page);
            label->setBuddy(field);
            unit = NewLabel(unitName, page);
            auto *units = new QHBoxLayout;
            units->setSpacing(0);
            units->addWidget(unit);
            if (squared) {
                // The raised "2" sits right after the unit, whichever unit is shown.
                QLabel *two
                    = NewLabel((QString::fromLatin1(unitName).replace(QStringLiteral("LabUnit_"),
                                                                      QStringLiteral("LabUnit2_")))
                                   .toLatin1()
                                   .constData(),
                               page);
                two->setText(QStringLiteral("2"));
                QFont small = two->font();
                small.setPointSizeF(small.pointSizeF() * 0.7);
                two->setFont(small);
                // A bottom margin lifts the small "2" to the top of the unit's letters.
                two->setContentsMargins(0, 0, 0, unit->fontMetrics().ascent() / 2);
                units->addWidget(two);
            }
            units->addStretch();
            grid->addWidget(label, row, 0);
            grid->addWidget(field, row, 1);
            grid->addLayout(units, row, 2);
            m_rows.append(Row {key, label, unit});
        };
        addRow(0, maxName, maxKey, maxField, maxUnitName, maxUnit);
        addRow(1, srgName, srgKey, srgField, srgUnitName, srgUnit);
        grid->setColumnStretch(0, 1);
        grid->setColumnMinimumWidth(2, 64);
        return page;
    };
    m_pcNapr->addTab(makePage("TabNapr", "Napr_Max", "Max_perm_tens", m_naprMax, "LabUnit_Napr_Max",
                              m_labUnitNaprMax, "Napr_srg", "Tension_aver_temp", m_naprSrg,
                              "LabUnit_Napr_srg", m_labUnitNaprSrg, true),
                     QString());
    m_pcNapr->addTab(makePage("TabSheetTag", "Tag_Max", "Max_stress", m_tagMax, "Lab_daN1",
                              m_labDaN1, "Tag_Srg", "Stress_aver_temp", m_tagSrg, "Lab_daN2",
                              m_labDaN2, false),
                     QString());
    connect(m_pcNapr, &QTabWidget::currentChanged, this, [this] {
        PcNaprChange();
        ShowModifiedMark();
    });
    layout->addWidget(m_pcNapr);
    return m_designGroup;
}

void TFormMain::BuildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("PahelStatusBar"));
    bar->setSizeGripEnabled(false);
    m_statusText = NewLabel("StatusText", bar);
    m_statusLink = NewLabel("StatusLink", bar);
    m_statusLink->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(MakerSite));
    m_statusLink->setOpenExternalLinks(true);
    m_statusLink->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_statusLink->setContentsMargins(0, 0, 8, 0);
    bar->addWidget(m_statusText, 1);
    bar->addPermanentWidget(m_statusLink);
}

// The first display sets up texts and fields before the window appears, so that it appears
// with its final size.
void TFormMain::setVisible(bool visible)
{
    if (visible && !m_shown) {
        m_shown = true;
        Guarded([this] { FormShow(); });
    }
    QMainWindow::setVisible(visible);
}

void TFormMain::FormShow()
{
    AppDir = ApplicationDir();
    ProjectsDir = ShippedProjectsDir();
    ApplyLanguage();
    ProjectToForm();
    QMainWindow::layout()->activate();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFormMain::ProjectToForm()
{
    const TDAT &dat = CurProject.Dat;
    m_provod->setText(QString::fromStdString(dat.Provod));
    m_tMax->setValue(dat.T_Max);
    m_tMin->setValue(dat.T_Min);
    m_tSrg->setValue(dat.T_Srg);
    m_tvmax->setValue(dat.Tvmax);
    m_tGbw->setValue(dat.T_Gbw);
    m_tGsw->setValue(dat.T_Gsw);
    m_vMax->setValue(dat.VMax);
    m_vgol->setValue(dat.Vgol);
    m_tols->setValue(dat.Tols);
    m_naprSrg->setValue(StressFactor() * dat.Napr_srg);
    m_naprMax->setValue(StressFactor() * dat.Napr_Max);
    m_tagSrg->setValue(ForceFactor() * dat.Tag_Srg);
    m_tagMax->setValue(ForceFactor() * dat.Tag_Max);
    const int page = dat.NaprPage == 1 ? 1 : 0;
    {
        const QSignalBlocker blocker(m_pcNapr);
        m_pcNapr->setCurrentIndex(page);
    }
    m_minProl->setValue(SpanFieldValue(dat.Min_Prol));
    m_maxProl->setValue(SpanFieldValue(dat.Max_Prol));
    m_shag->setValue(SpanFieldValue(dat.Shag));
    RgCalcRegimeClick();
}

void TFormMain::FormToProject()
{
    // Text typed but not yet confirmed with Enter or a focus change counts too.
    for (DecimalField *field : findChildren<DecimalField *>()) {
        if (field->window() == this)
            field->Commit();
    }
    for (IntegerField *field : {m_minProl, m_maxProl, m_shag})
        field->Commit();
    FieldsToDat(CurProject.Dat);
}

TProject TFormMain::ShownProject() const
{
    TProject shown;
    shown.Assign(CurProject);
    FieldsToDat(shown.Dat);
    return shown;
}

void TFormMain::FieldsToDat(TDAT &dat) const
{
    dat.Provod = m_provod->text().toStdString();
    dat.T_Max = m_tMax->TypedValue();
    dat.T_Min = m_tMin->TypedValue();
    dat.T_Srg = m_tSrg->TypedValue();
    dat.Tvmax = m_tvmax->TypedValue();
    dat.T_Gbw = m_tGbw->TypedValue();
    dat.T_Gsw = m_tGsw->TypedValue();
    dat.VMax = m_vMax->TypedValue();
    dat.Vgol = m_vgol->TypedValue();
    dat.Tols = m_tols->TypedValue();
    dat.Napr_srg = FromShown(m_naprSrg->TypedValue(), dat.Napr_srg, StressFactor());
    dat.Napr_Max = FromShown(m_naprMax->TypedValue(), dat.Napr_Max, StressFactor());
    dat.NaprPage = m_pcNapr->currentIndex();
    dat.Tag_Srg = FromShown(m_tagSrg->TypedValue(), dat.Tag_Srg, ForceFactor());
    dat.Tag_Max = FromShown(m_tagMax->TypedValue(), dat.Tag_Max, ForceFactor());
    dat.Min_Prol = m_minProl->TypedValue();
    dat.Max_Prol = m_maxProl->TypedValue();
    dat.Shag = m_shag->TypedValue();
}

void TFormMain::WatchChanges()
{
    for (DecimalField *field : {m_tMax, m_tMin, m_tSrg, m_tvmax, m_tGbw, m_tGsw, m_vMax, m_vgol,
                                m_tols, m_naprMax, m_naprSrg, m_tagMax, m_tagSrg}) {
        connect(field, &DecimalField::Edited, this, &TFormMain::ShowModifiedMark);
        connect(field, &DecimalField::valueChanged, this, &TFormMain::ShowModifiedMark);
    }
    for (IntegerField *field : {m_minProl, m_maxProl, m_shag}) {
        connect(field, &IntegerField::Edited, this, &TFormMain::ShowModifiedMark);
        connect(field, &IntegerField::valueChanged, this, &TFormMain::ShowModifiedMark);
    }
    connect(m_provod, &QLineEdit::textChanged, this, &TFormMain::ShowModifiedMark);
}

void TFormMain::ShowModifiedMark()
{
    TDAT shown = CurProject.Dat;
    FieldsToDat(shown);
    setWindowModified(!shown.IsEqual(SavedProject.Dat)
                      || !CurProject.Koef.IsEqual(SavedProject.Koef)
                      || !CurProject.Shablons.IsEqual(SavedProject.Shablons));
    emit InputChanged();
}

double TFormMain::ForceToStress(double force_daN) const
{
    const std::string &provod = CurProject.Dat.Provod;
    return velmora::ForceToStress(force_daN, FindWire(provod), provod);
}

void TFormMain::RgCalcRegimeClick()
{
    ApplyRegimeChoice(CurProject.Dat,
                      m_regimeAll->isChecked() ? RegimeChoice::All : RegimeChoice::Clearance);
}

void TFormMain::PcNaprChange()
{
    CurProject.Dat.NaprPage = m_pcNapr->currentIndex();
}

void TFormMain::ApplyLanguage()
{
    ApplyQtTranslations();
    ShowTitle();
    m_statusText->setText(QStringLiteral("   Tarnvik - ") + UiText("designing_OHL"));

    m_miProject->setTitle(UiText("Project"));
    m_miCalculation->setTitle(UiText("Calculation"));
    m_miReference->setTitle(UiText("Reference_catalog"));
    m_miSetting->setTitle(UiText("Setting"));
    m_miHelp->setTitle(UiText("Help"));
    m_miView->setTitle(UiText("View"));
    auto caption = [](QAction *action, const QString &text) {
        action->setText(text);
        action->setToolTip(text);
        action->setStatusTip(text);
    };
    caption(m_actProjectNew, UiText("New_project"));
    caption(m_actProjectOpen, UiText("Open_project"));
    caption(m_actProjectSave, UiText("Save_project"));
    caption(m_actProjectSaveAs, UiText("Save_project_as"));
    caption(m_actExit, UiText("Quit"));
    caption(m_actCalcProject, UiText("Calculation"));
    caption(m_actWiresGuide, UiText("Reference_catalog_on_wires"));
    caption(m_actCad, UiText("Patterns_curves"));
    caption(m_actSettingLanguage, QStringLiteral("Language(Язык)"));
    caption(m_actUnits, UiText("Units"));
    caption(m_actHelp, UiText("Help"));
    caption(m_actAbout, UiText("About"));

    m_butKlimatParam->setText(UiText("Climatic_param_title"));
    m_pcNapr->setTabText(0, UiText("Tension"));
    m_pcNapr->setTabText(1, UiText("Stress"));
    for (const Row &row : std::as_const(m_rows))
        row.label->setText(UiText(row.labelKey));
    m_climaticGroup->setTitle(UiText("Climatic_conditions"));
    m_designGroup->setTitle(UiText("Reference_data"));
    m_spansGroup->setTitle(UiText("Spans"));
    for (QLabel *unit : std::as_const(m_velocityUnits))
        unit->setText(UiText("ms"));
    for (QLabel *unit : std::as_const(m_mmUnits))
        unit->setText(UiText("mm"));
    for (QLabel *unit : std::as_const(m_meterUnits))
        unit->setText(UiText("meter"));
    m_provodLabel->setText(UiText("Type_of_wire") + QLatin1Char(':'));
    m_rgCalcRegime->setTitle(UiText("Calculate"));
    m_regimeDimensional->setText(UiText("dimensional_modes"));
    m_regimeAll->setText(UiText("all_modes"));
    ShowProjectName();
    ApplyUnits();
}

void TFormMain::ApplyUnits()
{
    const bool newtons = ReadUnits() != 0;
    m_labUnitNaprMax->setText(UiText(newtons ? "N_mm" : "daN_mm"));
    m_labUnitNaprSrg->setText(UiText(newtons ? "N_mm" : "daN_mm"));
    m_labDaN1->setText(UiText(newtons ? "kN" : "daN"));
    m_labDaN2->setText(UiText(newtons ? "kN" : "daN"));
    if (m_resultsPane)
        m_resultsPane->ApplyLanguage();
}

QString TFormMain::ProjectNameOf(const QString &path)
{
    if (path.isEmpty())
        return {};
    QString name = path;
    const qsizetype separator
        = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    name = name.mid(separator + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

// The file name first, so that a narrow title bar still shows it and the modified mark.
void TFormMain::ShowTitle()
{
    const QString name
        = ProjectFileName.isEmpty() ? UiText("Untitled") : QFileInfo(ProjectFileName).fileName();
    setWindowTitle(name + QStringLiteral("[*] - ") + AppTitle + QStringLiteral(" - ")
                   + UiText("Mechanical_calculation"));
}

void TFormMain::ShowProjectName()
{
    // A project never saved has no name, and an empty box says nothing.
    m_panelProjectName->setVisible(!ProjectFileName.isEmpty());
    m_panelProjectName->setText(ProjectFileName.isEmpty() ? QString()
                                                          : UiText("Project") + QStringLiteral(": ")
                                        + ProjectNameOf(ProjectFileName));
}

bool TFormMain::IsModified()
{
    FormToProject();
    ShowModifiedMark();
    return isWindowModified();
}

// Calculate: the refusals first, then the engine.
bool TFormMain::CalculationAllowed(const TDAT &dat)
{
    if (FindWire(dat.Provod).Name.empty()) {
        CurrentPrompts().Error(UiText("Input_wire"));
        return false;
    }
    const QString refused = UiText("Error_data_entry") + QStringLiteral("!\n");
    if (const FieldRefusal impossible = ImpossibleClimate(dat); impossible.labelKey) {
        CurrentPrompts().Error(refused + impossible.text);
        FocusField(impossible.labelKey);
        return false;
    }
    if (!CurProject.Koef.CheckKoef()
        && !CurrentPrompts().Question(UiText("loads_are_lower_standard")))
        return false;
    const std::string refusal
        = SpanRangeRefusal(dat.Min_Prol, dat.Max_Prol, dat.Shag, CurrentLang());
    if (!refusal.empty()) {
        CurrentPrompts().Error(QString::fromStdString(refusal));
        return false;
    }
    // One span gives a report of empty tables: refused before the report's save dialog.
    if (SpanCount(dat.Min_Prol, dat.Max_Prol, dat.Shag) < 2) {
        CurrentPrompts().Error(refused + UiText("Two_spans"));
        return false;
    }
    return true;
}

void TFormMain::FocusField(const char *labelKey)
{
    for (const Row &row : std::as_const(m_rows)) {
        if (qstrcmp(row.labelKey, labelKey) == 0) {
            if (auto *field = qobject_cast<QAbstractSpinBox *>(row.label->buddy())) {
                field->setFocus();
                field->selectAll();
            }
            return;
        }
    }
}

void TFormMain::ActCalcProjectExecute()
{
    FormToProject();
    const TDAT &dat = CurProject.Dat;
    if (!CalculationAllowed(dat))
        return;
    CalcRun run;
    QString failure;
    try {
        const CalcArgs args = CalcArgsOf(dat, FindWire(dat.Provod));
        const CalcOutcome outcome = m_calcDriver(CurProject, args, run);
        if (outcome == CalcOutcome::CheckFailed && !run.warning.empty())
            CurrentPrompts().Warning(QString::fromStdString(run.warning));
        return;
    } catch (const std::exception &e) {
        failure = QString::fromStdString(e.what());
    } catch (...) {
    }
    CloseWait();
    QString text = UiText("Error_data_entry") + QLatin1Char('!');
    if (!failure.isEmpty())
        text += QLatin1Char('\n') + failure;
    CurrentPrompts().Error(text);
}

void TFormMain::ProvodButtonClick()
{
    TFormWiresBase *catalogue = Windows().FormWiresBase;
    if (catalogue->Pick(m_provod->text().toStdString())) {
        const TWireRec wire = catalogue->SelectedWire();
        if (!wire.Name.empty())
            m_provod->setText(QString::fromStdString(wire.Name));
    }
    PcNaprChange();
}

void TFormMain::ButKlimatParamClick()
{
    TFormKlimatKoef *dialog = Windows().FormKlimatKoef;
    dialog->LoadKoef(CurProject.Koef);
    dialog->FormShow();
    if (CurrentPrompts().Exec(*dialog) != QDialog::Rejected)
        dialog->StoreKoef(CurProject.Koef);
    ShowModifiedMark();
}

void TFormMain::ActWiresGuideExecute()
{
    Windows().FormWiresBase->Manage();
}

void TFormMain::ActCadExecute()
{
    TFormSpisokShabloni *list = Windows().FormSpisokShabloni;
    list->show();
    list->raise();
    list->activateWindow();
}

TemplateHost TFormMain::TemplateHostOf()
{
    return TemplateHost {[this]() -> TProject & { return CurProject; },
                         [this] { return ProjectFileName; }, [this] { FormToProject(); },
                         [this] { return ShownProject(); }};
}

void TFormMain::ActSettingLanguageExecute()
{
    // What was typed since the last transfer is taken first, so the new language shows it.
    FormToProject();
    if (CurrentPrompts().Exec(*Windows().LanguageDialog) != QDialog::Accepted)
        return;
    ApplyLanguage();
    ProjectToForm();
}

void TFormMain::ActUnitsExecute()
{
    FormToProject();
    TFormUnitsDlg *dialog = Windows().FormUnitsDlg;
    dialog->Prepare();
    CurrentPrompts().Exec(*dialog);
    ApplyUnits();
    ProjectToForm();
}

void TFormMain::ActHelpExecute()
{
    OpenHelp(AppDir, HelpBaseName);
}

void TFormMain::ActAboutExecute()
{
    Windows().FormAbout->ShowAbout();
}

// Change test and save prompt. Returns whether the calling action may go on: Save goes on
// once the project is written (not when the save dialog is cancelled), Don't save goes on
// without writing, Cancel (Escape, the close box) calls the action off.
bool TFormMain::SaveProjectDlg()
{
    if (!IsModified())
        return true;
    TFormSave_Project *prompt = Windows().FormSave_Project;
    prompt->PrepareTexts();
    switch (CurrentPrompts().Exec(*prompt)) {
    case TFormSave_Project::SaveChanges:
        return SaveProjectNow();
    case TFormSave_Project::DiscardChanges:
        return true;
    default:
        return false;
    }
}

void TFormMain::ActNewProject()
{
    if (!SaveProjectDlg())
        return;
    ProjectFileName.clear();
    CurProject.SetDefaults();
    ProjectToForm();
    ShowProjectName();
    SavedProject.Assign(CurProject);
    ShowTitle();
    setWindowModified(false);
    emit ProjectReplaced();
}

void TFormMain::ActOpenProject()
{
    if (!SaveProjectDlg())
        return;
    FileDialogRequest request = OpenProjectDialog;
    request.fileName = QStringLiteral("*.vlp");
    // The first open starts among the shipped examples.
    PrepareDialogFolder(request, FileKind::Project, DialogUse::Open, ProjectsDir);
    const QString path = CurrentPrompts().OpenFileName(request);
    if (path.isEmpty())
        return;
    RememberDialogFolder(FileKind::Project, path);
    // Read into a copy: a file that fails leaves the open project, its name and caption.
    TProject opened;
    opened.Assign(CurProject);
    try {
        LoadProject(QDir::toNativeSeparators(path).toStdString(), opened);
    } catch (const ConversionError &e) {
        // A file that reads but does not hold a project's values.
        throw Error((UiText("Not_a_project").arg(QDir::toNativeSeparators(path)) + QLatin1Char('\n')
                     + QString::fromStdString(e.what()))
                        .toStdString());
    }
    ProjectFileName = path;
    CurProject.Assign(opened);
    ProjectToForm();
    ShowProjectName();
    SavedProject.Assign(CurProject);
    ShowTitle();
    setWindowModified(false);
    emit ProjectReplaced();
}

void TFormMain::ActSaveProject()
{
    SaveProjectNow();
}

// Save: to the project's file, or to a file chosen in the save dialog. Returns whether the
// project was written.
bool TFormMain::SaveProjectNow()
{
    if (ProjectFileName.isEmpty()) {
        FileDialogRequest request = SaveProjectDialog;
        request.fileName = m_saveDialogFile;
        PrepareDialogFolder(request, FileKind::Project, DialogUse::Save);
        const QString path = CurrentPrompts().SaveFileName(request);
        if (path.isEmpty())
            return false;
        m_saveDialogFile = path;
        ProjectFileName = path;
        try {
            WriteProjectFile();
        } catch (...) {
            ProjectFileName.clear();
            throw;
        }
        return true;
    }
    WriteProjectFile();
    return true;
}

void TFormMain::ActProjectSaveAsExecute()
{
    FileDialogRequest request = SaveProjectDialog;
    request.fileName = ProjectFileName;
    PrepareDialogFolder(request, FileKind::Project, DialogUse::Save);
    const QString path = CurrentPrompts().SaveFileName(request);
    if (path.isEmpty())
        return;
    m_saveDialogFile = path;
    const QString previous = ProjectFileName;
    ProjectFileName = path;
    try {
        WriteProjectFile();
    } catch (...) {
        ProjectFileName = previous;
        throw;
    }
}

void TFormMain::WriteProjectFile()
{
    FormToProject();
    SaveProject(ProjectFileName.toStdString(), CurProject);
    RememberDialogFolder(FileKind::Project, ProjectFileName);
    ShowProjectName();
    SavedProject.Assign(CurProject);
    ShowTitle();
    setWindowModified(false);
    CurrentPrompts().Message(UiText("File_saved"));
}

void TFormMain::ActExitExecute()
{
    close();
}

bool TFormMain::FormCloseQuery()
{
    if (!SaveProjectDlg())
        return false;
    return CurrentPrompts().WarningYesNo(UiText("quit_the_program"));
}

void TFormMain::FormClose()
{
    m_closed = true;
    if (TFormWiresBase *catalogue = Windows().FormWiresBase)
        Guarded([catalogue] { catalogue->SaveIfModified(); });
    ReleaseTexts();
}

void TFormMain::closeEvent(QCloseEvent *event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    bool mayClose = false;
    Guarded([&] { mayClose = FormCloseQuery(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    event->accept();
    FormClose();
}

} // namespace velmora
