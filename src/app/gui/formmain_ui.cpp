#include "gui/formmain_ui.h"

#include "data/project.h"
#include "gui/numberfields.h"
#include "gui/program.h"
#include "gui/uitext.h"

#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr int FieldWidth = 96;

// What the unit beside a climatic field shows.
enum class ClimaticUnit { Celsius, Velocity, Millimetre };

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

// The note below a field, hidden until the field has something to say; named after the
// field ("Note_Shag").
template<typename Field> QLabel *NewNote(Field *field, QWidget *parent)
{
    QLabel *note = NewLabel(nullptr, parent);
    note->setObjectName(QStringLiteral("Note_") + field->objectName());
    note->setMaximumWidth(2 * FieldWidth + 120);
    field->Note().SetLabel(note);
    return note;
}

// SP_CustomBase: an action without an icon.
QAction *NewAction(const char *name, QStyle::StandardPixmap icon, QMainWindow *window)
{
    auto *action = new QAction(window);
    action->setObjectName(QString::fromLatin1(name));
    if (icon != QStyle::SP_CustomBase)
        action->setIcon(window->style()->standardIcon(icon));
    return action;
}

void SetCaption(QAction *action, const QString &text)
{
    action->setText(text);
    action->setToolTip(text);
    action->setStatusTip(text);
}

} // namespace

void Ui_FormMain::setupUi(QMainWindow *FormMain)
{
    FormMain->setObjectName(QStringLiteral("FormMain"));
    // A project file dropped anywhere on the window opens it.
    FormMain->setAcceptDrops(true);
    setupActions(FormMain);
    setupMenusAndToolbar(FormMain);

    auto *central = new QWidget(FormMain);
    panelProjectName = NewLabel("PanelProjectName", central);
    QFont big = panelProjectName->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.35);
    panelProjectName->setFont(big);
    panelProjectName->setFrameShape(QFrame::StyledPanel);
    panelProjectName->setFrameShadow(QFrame::Sunken);
    panelProjectName->setMargin(6);
    panelProjectName->setMinimumHeight(panelProjectName->fontMetrics().height() + 18);
    // A window made taller by the results pane beside it gives the height to neither the
    // name nor the groups: it stays below them.
    panelProjectName->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    panelProjectName->hide();

    auto *groups = new QHBoxLayout;
    groups->setSpacing(10);
    groups->addWidget(setupClimaticGroup(FormMain), 0, Qt::AlignTop);
    groups->addWidget(setupDesignGroup(FormMain), 0, Qt::AlignTop);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(8);
    layout->addWidget(panelProjectName);
    layout->addLayout(groups);
    layout->addStretch(1);
    FormMain->setCentralWidget(central);
    setupStatusBar(FormMain);

    // A fixed-size window that follows the length of its texts in either language.
    FormMain->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Ui_FormMain::setupActions(QMainWindow *FormMain)
{
    actProjectNew = NewAction("ActProjectNew", QStyle::SP_FileIcon, FormMain);
    actProjectNew->setShortcut(QKeySequence::New);
    actProjectOpen = NewAction("ActProjectOpen", QStyle::SP_DialogOpenButton, FormMain);
    actProjectOpen->setShortcut(QKeySequence::Open);
    actProjectSave = NewAction("ActProjectSave", QStyle::SP_DialogSaveButton, FormMain);
    actProjectSave->setShortcut(QKeySequence::Save);
    actProjectSaveAs = NewAction("ActProjectSaveAs", QStyle::SP_CustomBase, FormMain);
    actProjectSaveAs->setShortcut(QKeySequence::SaveAs);
    actExit = NewAction("ActExit", QStyle::SP_DialogCloseButton, FormMain);
    actExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    actCalcProject = NewAction("ActCalcProject", QStyle::SP_MediaPlay, FormMain);
    actCalcProject->setShortcut(QKeySequence(Qt::Key_F9));
    actWiresGuide = NewAction("ActWiresGuide", QStyle::SP_FileDialogDetailedView, FormMain);
    actCad = NewAction("ActCad", QStyle::SP_FileDialogContentsView, FormMain);
    actStringing = NewAction("ActStringing", QStyle::SP_CustomBase, FormMain);
    actProfile = NewAction("ActProfile", QStyle::SP_FileDialogListView, FormMain);
    actSettingLanguage = NewAction("ActSettingLanguage", QStyle::SP_CustomBase, FormMain);
    actUnits = NewAction("ActUnits", QStyle::SP_CustomBase, FormMain);
    actHelp = NewAction("ActHelp", QStyle::SP_DialogHelpButton, FormMain);
    actHelp->setShortcut(QKeySequence::HelpContents);
    actAbout = NewAction("ActAbout", QStyle::SP_CustomBase, FormMain);
    actClearRecent = NewAction("ActClearRecent", QStyle::SP_CustomBase, FormMain);
}

void Ui_FormMain::setupMenusAndToolbar(QMainWindow *FormMain)
{
    QMenuBar *menuBar = FormMain->menuBar();
    miProject = menuBar->addMenu(QString());
    miProject->setObjectName(QStringLiteral("MI_Project"));
    miProject->addAction(actProjectNew);
    miProject->addAction(actProjectOpen);
    miProject->addAction(actProjectSave);
    miProject->addAction(actProjectSaveAs);
    miProject->addSeparator();
    miRecent = miProject->addMenu(QString());
    miRecent->setObjectName(QStringLiteral("MI_Recent"));
    miRecent->addAction(actClearRecent);
    miProject->addSeparator();
    miProject->addAction(actExit);
    miCalculation = menuBar->addMenu(QString());
    miCalculation->setObjectName(QStringLiteral("MI_Calculation"));
    miCalculation->addAction(actCalcProject);
    miCalculation->addAction(actStringing);
    miCalculation->addAction(actProfile);
    miView = menuBar->addMenu(QString());
    miView->setObjectName(QStringLiteral("MI_View"));
    miReference = menuBar->addMenu(QString());
    miReference->setObjectName(QStringLiteral("MI_Reference"));
    miReference->addAction(actWiresGuide);
    miCad = menuBar->addMenu(QStringLiteral("Cad"));
    miCad->setObjectName(QStringLiteral("MI_CAD"));
    miCad->addAction(actCad);
    miSetting = menuBar->addMenu(QString());
    miSetting->setObjectName(QStringLiteral("MI_Setting"));
    miSetting->addAction(actSettingLanguage);
    miSetting->addAction(actUnits);
    miHelp = menuBar->addMenu(QString());
    miHelp->setObjectName(QStringLiteral("MI_Help"));
    miHelp->addAction(actHelp);
    miHelp->addAction(actAbout);

    QToolBar *toolbar = FormMain->addToolBar(QStringLiteral("Main"));
    toolbar->setObjectName(QStringLiteral("ToolBar"));
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(24, 24));
    toolbar->addAction(actProjectNew);
    toolbar->addAction(actProjectOpen);
    toolbar->addAction(actProjectSave);
    toolbar->addSeparator();
    toolbar->addAction(actWiresGuide);
    toolbar->addAction(actCalcProject);
    toolbar->addAction(actCad);
    toolbar->addAction(actProfile);
    toolbar->addSeparator();
    toolbar->addAction(actHelp);
    toolbar->addAction(actExit);
}

QGroupBox *Ui_FormMain::setupClimaticGroup(QMainWindow *FormMain)
{
    climaticGroup = new QGroupBox(FormMain);
    climaticGroup->setObjectName(QStringLiteral("GroupClimatic"));
    auto *grid = new QGridLayout(climaticGroup);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    struct ClimaticEntry
    {
        const char *name;
        const char *labelKey;
        double step;
        DecimalField **field;
        ClimaticUnit unit;
    };
    const ClimaticEntry climaticEntries[] = {
        {"T_Max", "Max_temperature", 0.1, &tMax, ClimaticUnit::Celsius},
        {"T_Min", "Min_temperature", 0.5, &tMin, ClimaticUnit::Celsius},
        {"T_Srg", "Average_annual_temperature", 0.5, &tSrg, ClimaticUnit::Celsius},
        {"Tvmax", "Temperature_at_max_wind", 0.5, &tvmax, ClimaticUnit::Celsius},
        {"T_Gbw", "Ice_without_wind_temperature", 0.5, &tGbw, ClimaticUnit::Celsius},
        {"T_Gsw", "Ice_with_wind_temperature", 0.5, &tGsw, ClimaticUnit::Celsius},
        {"VMax", "Max_wind_velocity", 0.5, &vMax, ClimaticUnit::Velocity},
        {"Vgol", "Wind_velocity_with_ice", 0.5, &vgol, ClimaticUnit::Velocity},
        {"Tols", "Ice_thickness", 0.1, &tols, ClimaticUnit::Millimetre},
    };
    int row = 0;
    for (const ClimaticEntry &entry : climaticEntries) {
        *entry.field = NewDecimalField(entry.name, entry.step, climaticGroup);
        QLabel *label = NewLabel(nullptr, climaticGroup);
        label->setBuddy(*entry.field);
        QLabel *unit = NewLabel(nullptr, climaticGroup);
        switch (entry.unit) {
        case ClimaticUnit::Celsius:
            unit->setText(QStringLiteral("°C"));
            break;
        case ClimaticUnit::Velocity:
            velocityUnits.append(unit);
            break;
        case ClimaticUnit::Millimetre:
            mmUnits.append(unit);
            break;
        }
        // Each field has two rows of the grid: its own and its note's.
        QLabel *note = NewNote(*entry.field, climaticGroup);
        grid->addWidget(label, 2 * row, 0);
        grid->addWidget(*entry.field, 2 * row, 1);
        grid->addWidget(unit, 2 * row, 2);
        grid->addWidget(note, 2 * row + 1, 0, 1, 3, Qt::AlignRight);
        rows.append(Row {entry.labelKey, label, unit, note});
        ++row;
    }
    row *= 2;
    butKlimatParam = new QPushButton(climaticGroup);
    butKlimatParam->setObjectName(QStringLiteral("ButKlimatParam"));
    grid->setRowMinimumHeight(row++, 6);
    grid->addWidget(butKlimatParam, row, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    return climaticGroup;
}

QGroupBox *Ui_FormMain::setupDesignGroup(QMainWindow *FormMain)
{
    designGroup = new QGroupBox(FormMain);
    designGroup->setObjectName(QStringLiteral("GroupReference"));
    auto *layout = new QVBoxLayout(designGroup);
    layout->setSpacing(8);

    provodLabel = NewLabel("LabProvod", designGroup);
    provod = new QLineEdit(designGroup);
    provod->setObjectName(QStringLiteral("Provod"));
    provodLabel->setBuddy(provod);
    provodButton = new QToolButton(designGroup);
    provodButton->setObjectName(QStringLiteral("ProvodButton"));
    provodButton->setText(QStringLiteral("…"));
    auto *provodRow = new QHBoxLayout;
    provodRow->setSpacing(2);
    provodRow->addWidget(provod, 1);
    provodRow->addWidget(provodButton);
    layout->addWidget(provodLabel);
    layout->addLayout(provodRow);

    spansGroup = new QGroupBox(designGroup);
    spansGroup->setObjectName(QStringLiteral("GroupSpans"));
    auto *spans = new QGridLayout(spansGroup);
    spans->setVerticalSpacing(6);
    struct SpanEntry
    {
        const char *name;
        const char *labelKey;
        IntegerField **field;
    };
    const SpanEntry spanEntries[] = {{"Min_Prol", "Minimum", &minProl},
                                     {"Max_Prol", "Maximum", &maxProl},
                                     {"Shag", "Change_step", &shag}};
    int row = 0;
    for (const SpanEntry &entry : spanEntries) {
        *entry.field = NewIntegerField(entry.name, spansGroup);
        QLabel *label = NewLabel(nullptr, spansGroup);
        label->setBuddy(*entry.field);
        QLabel *unit = NewLabel(nullptr, spansGroup);
        meterUnits.append(unit);
        QLabel *note = NewNote(*entry.field, spansGroup);
        spans->addWidget(label, 2 * row, 0);
        spans->addWidget(*entry.field, 2 * row, 1);
        spans->addWidget(unit, 2 * row, 2);
        spans->addWidget(note, 2 * row + 1, 0, 1, 3, Qt::AlignRight);
        rows.append(Row {entry.labelKey, label, unit, note});
        ++row;
    }
    spans->setColumnStretch(0, 1);
    layout->addWidget(spansGroup);

    rgCalcRegime = new QGroupBox(designGroup);
    rgCalcRegime->setObjectName(QStringLiteral("RgCalcRegime"));
    regimeDimensional = new QRadioButton(rgCalcRegime);
    regimeDimensional->setObjectName(QStringLiteral("RgCalcRegime0"));
    regimeAll = new QRadioButton(rgCalcRegime);
    regimeAll->setObjectName(QStringLiteral("RgCalcRegime1"));
    regimeButtons = new QButtonGroup(FormMain);
    regimeButtons->addButton(regimeDimensional, static_cast<int>(RegimeChoice::Clearance));
    regimeButtons->addButton(regimeAll, static_cast<int>(RegimeChoice::All));
    regimeAll->setChecked(true);
    auto *regime = new QVBoxLayout(rgCalcRegime);
    regime->addWidget(regimeDimensional);
    regime->addWidget(regimeAll);
    layout->addWidget(rgCalcRegime);

    setupTensionTabs();
    layout->addWidget(pcNapr);
    return designGroup;
}

void Ui_FormMain::setupTensionTabs()
{
    pcNapr = new QTabWidget(designGroup);
    pcNapr->setObjectName(QStringLiteral("PcNapr"));
    auto makePage = [this](const char *pageName, const char *maxName, const char *maxKey,
                           DecimalField *&maxField, const char *maxUnitName, QLabel *&maxUnit,
                           const char *srgName, const char *srgKey, DecimalField *&srgField,
                           const char *srgUnitName, QLabel *&srgUnit, bool squared) {
        auto *page = new QWidget(pcNapr);
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
            QLabel *note = NewNote(field, page);
            grid->addWidget(label, 2 * row, 0);
            grid->addWidget(field, 2 * row, 1);
            grid->addLayout(units, 2 * row, 2);
            grid->addWidget(note, 2 * row + 1, 0, 1, 3, Qt::AlignRight);
            rows.append(Row {key, label, unit, note});
        };
        addRow(0, maxName, maxKey, maxField, maxUnitName, maxUnit);
        addRow(1, srgName, srgKey, srgField, srgUnitName, srgUnit);
        grid->setColumnStretch(0, 1);
        grid->setColumnMinimumWidth(2, 64);
        return page;
    };
    // Added in NaprPage order: the stresses page first.
    pcNapr->addTab(makePage("TabNapr", "Napr_Max", "Max_perm_tens", naprMax, "LabUnit_Napr_Max",
                            labUnitNaprMax, "Napr_srg", "Tension_aver_temp", naprSrg,
                            "LabUnit_Napr_srg", labUnitNaprSrg, true),
                   QString());
    pcNapr->addTab(makePage("TabSheetTag", "Tag_Max", "Max_stress", tagMax, "Lab_daN1", labDaN1,
                            "Tag_Srg", "Stress_aver_temp", tagSrg, "Lab_daN2", labDaN2, false),
                   QString());
}

void Ui_FormMain::setupStatusBar(QMainWindow *FormMain)
{
    QStatusBar *bar = FormMain->statusBar();
    bar->setObjectName(QStringLiteral("PahelStatusBar"));
    bar->setSizeGripEnabled(false);
    statusText = NewLabel("StatusText", bar);
    statusLink = NewLabel("StatusLink", bar);
    statusLink->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(MakerSite));
    statusLink->setOpenExternalLinks(true);
    statusLink->setTextInteractionFlags(Qt::TextBrowserInteraction);
    statusLink->setContentsMargins(0, 0, 8, 0);
    bar->addWidget(statusText, 1);
    bar->addPermanentWidget(statusLink);
}

void Ui_FormMain::retranslateUi(QMainWindow *)
{
    statusText->setText(QStringLiteral("   Tarnvik - ") + UiText("designing_OHL"));

    miProject->setTitle(UiText("Project"));
    miCalculation->setTitle(UiText("Calculation"));
    miReference->setTitle(UiText("Reference_catalog"));
    miSetting->setTitle(UiText("Setting"));
    miHelp->setTitle(UiText("Help"));
    miView->setTitle(UiText("View"));
    SetCaption(actProjectNew, UiText("New_project"));
    SetCaption(actProjectOpen, UiText("Open_project"));
    SetCaption(actProjectSave, UiText("Save_project"));
    SetCaption(actProjectSaveAs, UiText("Save_project_as"));
    SetCaption(actExit, UiText("Quit"));
    SetCaption(actCalcProject, UiText("Calculation"));
    SetCaption(actWiresGuide, UiText("Reference_catalog_on_wires"));
    SetCaption(actCad, UiText("Patterns_curves"));
    SetCaption(actStringing, UiText("Stringing_tables"));
    SetCaption(actProfile, UiText("Line_profile"));
    SetCaption(actSettingLanguage, QStringLiteral("Language(Язык)"));
    SetCaption(actUnits, UiText("Units"));
    SetCaption(actHelp, UiText("Help"));
    SetCaption(actAbout, UiText("About"));
    miRecent->setTitle(UiText("Recent_projects"));
    SetCaption(actClearRecent, UiText("Clear_list"));

    butKlimatParam->setText(UiText("Climatic_param_title"));
    pcNapr->setTabText(static_cast<int>(NaprPage::Stresses), UiText("Tension"));
    pcNapr->setTabText(static_cast<int>(NaprPage::Forces), UiText("Stress"));
    for (const Row &row : std::as_const(rows))
        row.label->setText(UiText(row.labelKey));
    climaticGroup->setTitle(UiText("Climatic_conditions"));
    designGroup->setTitle(UiText("Reference_data"));
    spansGroup->setTitle(UiText("Spans"));
    for (QLabel *unit : std::as_const(velocityUnits))
        unit->setText(UiText("ms"));
    for (QLabel *unit : std::as_const(mmUnits))
        unit->setText(UiText("mm"));
    for (QLabel *unit : std::as_const(meterUnits))
        unit->setText(UiText("meter"));
    provodLabel->setText(UiText("Type_of_wire") + QLatin1Char(':'));
    rgCalcRegime->setTitle(UiText("Calculate"));
    regimeDimensional->setText(UiText("dimensional_modes"));
    regimeAll->setText(UiText("all_modes"));
}

void Ui_FormMain::retranslateUnits(UnitsMode mode)
{
    const bool newtons = mode == UnitsMode::NkN;
    labUnitNaprMax->setText(UiText(newtons ? "N_mm" : "daN_mm"));
    labUnitNaprSrg->setText(UiText(newtons ? "N_mm" : "daN_mm"));
    labDaN1->setText(UiText(newtons ? "kN" : "daN"));
    labDaN2->setText(UiText(newtons ? "kN" : "daN"));
}

} // namespace velmora
