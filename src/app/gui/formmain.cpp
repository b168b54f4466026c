#include "gui/formmain.h"

#include "gui/document/projectdocument.h"

#include "calc/preparation.h"
#include "calc/project_args.h"
#include "catalogue/catalogue.h"
#include "common/error.h"
#include "data/projectfile.h"
#include "gui/appwindows.h"
#include "gui/catalogue/formwiresbase.h"
#include "gui/dialogfolders.h"
#include "gui/document/projectdocument.h"
#include "gui/fieldchecks.h"
#include "gui/formabout.h"
#include "gui/formklimatkoef.h"
#include "gui/formmain_ui.h"
#include "gui/formsaveproject.h"
#include "gui/formunitsdlg.h"
#include "gui/guard.h"
#include "gui/helpbrowser.h"
#include "gui/helptopics.h"
#include "gui/languagedialog.h"
#include "gui/numberfields.h"
#include "gui/platform.h"
#include "gui/profile/formprofile.h"
#include "gui/program.h"
#include "gui/programcontext.h"
#include "gui/prompts.h"
#include "gui/qttranslations.h"
#include "gui/recentprojects.h"
#include "gui/reportplatform.h"
#include "gui/results/resultspane.h"
#include "gui/screenfit.h"
#include "gui/stringing/formstringing.h"
#include "gui/uitext.h"
#include "gui/writtenfile.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QUrl>

#include <climits>
#include <cmath>
#include <optional>
#include <utility>

namespace velmora {

namespace {

// The project file dialogs in the language in force.
FileDialogRequest ProjectDialog(const char *titleKey)
{
    return {UiText(titleKey), QStringLiteral("*.vlp (*.vlp)"), QStringLiteral("vlp"), {}, {}};
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

// A tensile force (daN) of stress (daN/mm²) over section (mm²) that gives the stress back
// exactly when divided by the section, as the calculation of the force page does: the two
// pages then give the calculation the same numbers.
double ForceOfStress(double stress, double section)
{
    double force = stress * section;
    for (int i = 0; i < 8 && force / section != stress; ++i)
        force = std::nextafter(force, force / section < stress ? HUGE_VAL : -HUGE_VAL);
    return force;
}

// The cross-section of the wire named, when the catalogue has it with a usable one.
std::optional<double> SectionOf(const TWiresList &catalogue, const std::string &provod)
{
    const double section = catalogue.FindByName(provod).Sech;
    if (std::isfinite(section) && section > 0)
        return section;
    return std::nullopt;
}

// The first local project file among the dragged files, or "".
QString DraggedProjectFile(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls())
        return {};
    for (const QUrl &url : mime->urls()) {
        const QString path = url.toLocalFile();
        if (url.isLocalFile() && path.endsWith(QLatin1String(".vlp"), Qt::CaseInsensitive))
            return path;
    }
    return {};
}

// "&3 /home/ann/Line 10.vlp", the middle of a long path left out.
QString RecentEntryText(int number, const QString &path, const QFontMetrics &metrics)
{
    const QString shown = metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle,
                                             60 * metrics.averageCharWidth());
    return QStringLiteral("&%1 ").arg(number)
        + QString(shown).replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

TFormMain::TFormMain(ProgramContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_document(new ProjectDocument(this))
    , CurProject(m_document->Project())
    , m_program(context)
    , m_ui(std::make_unique<Ui_FormMain>())
    , m_calcDriver(DefaultCalcDriver())
{
    // Numbers are shown and read with "." whatever the regional settings say.
    QLocale::setDefault(QLocale::c());
    connect(m_document, &ProjectDocument::projectReplaced, this, &TFormMain::DocumentReplaced);
    connect(m_document, &ProjectDocument::modifiedChanged, this, &TFormMain::ShowModifiedMark);
    connect(m_document, &ProjectDocument::fileNameChanged, this, [this] {
        ShowTitle();
        ShowProjectName();
    });
    for (auto change : {&ProjectDocument::projectReplaced, &ProjectDocument::fieldsChanged,
                        &ProjectDocument::coefficientsChanged})
        connect(m_document, change, this, &TFormMain::ShowFieldWarnings);
    connect(m_document, &ProjectDocument::fieldsChanged, this, [this] {
        if (!m_recordingFields)
            ShowDocumentFields();
    });

    m_ui->setupUi(this);
    ConnectUi();
    MakeEditMenu();
    ProjectToForm();
    WatchChanges();
    ShowRecentProjects();

    m_resultsPane = new ResultsPane(m_program, *m_document, this);
    m_resultsPane->SetFieldCheck([this] { return FieldWithoutValue().text; });
    m_ui->miView->addAction(m_resultsPane->toggleViewAction());
}

TFormMain::~TFormMain()
{
    // The fields are destroyed after this body, and a field that loses the focus then still
    // signals: it must not call back into a window that is no longer a TFormMain.
    for (QObject *child : findChildren<QObject *>())
        QObject::disconnect(child, nullptr, this, nullptr);
    // The windows made over the document go before it (children die in the order made, and
    // the document was made first).
    QList<QPointer<QWidget>> windows;
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            windows.append(child);
    }
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
}

QString TFormMain::ProjectFileName() const
{
    return m_document->FileName();
}

CalcDriver TFormMain::DefaultCalcDriver() const
{
    // In the language and units mode of the context (the form of the units the numbers are
    // written in); the report is named after the open project.
    return [this](const TProject &project, const PreparedCalculation &prepared) {
        DesktopReport report(ApplicationDir(), m_program.Language(),
                             static_cast<int>(m_program.Units()), ProjectNameOf(ProjectFileName()));
        return report.Run(project, prepared.wire, prepared.args);
    };
}

void TFormMain::ConnectUi()
{
    // Every handler can throw: each runs through the guard.
    auto guarded = [this](void (TFormMain::*handler)()) {
        return [this, handler] { Guarded([this, handler] { (this->*handler)(); }); };
    };
    const std::pair<QAction *, void (TFormMain::*)()> actions[] = {
        {m_ui->actProjectNew, &TFormMain::ActNewProject},
        {m_ui->actProjectOpen, &TFormMain::ActOpenProject},
        {m_ui->actProjectSave, &TFormMain::ActSaveProject},
        {m_ui->actProjectSaveAs, &TFormMain::ActProjectSaveAsExecute},
        {m_ui->actExit, &TFormMain::ActExitExecute},
        {m_ui->actCalcProject, &TFormMain::ActCalcProjectExecute},
        {m_ui->actWiresGuide, &TFormMain::ActWiresGuideExecute},
        {m_ui->actCad, &TFormMain::ActCadExecute},
        {m_ui->actStringing, &TFormMain::ActStringingExecute},
        {m_ui->actProfile, &TFormMain::ActProfileExecute},
        {m_ui->actSettingLanguage, &TFormMain::ActSettingLanguageExecute},
        {m_ui->actUnits, &TFormMain::ActUnitsExecute},
        {m_ui->actHelp, &TFormMain::ActHelpExecute},
        {m_ui->actAbout, &TFormMain::ActAboutExecute},
        {m_ui->actClearRecent, &TFormMain::ActClearRecentExecute},
    };
    for (const auto &[action, handler] : actions)
        connect(action, &QAction::triggered, this, guarded(handler));
    connect(m_ui->butKlimatParam, &QPushButton::clicked, this,
            guarded(&TFormMain::ButKlimatParamClick));
    connect(m_ui->provodButton, &QToolButton::clicked, this,
            guarded(&TFormMain::ProvodButtonClick));
    // Another run of the program may have opened or saved a project meanwhile.
    connect(m_ui->miProject, &QMenu::aboutToShow, this, &TFormMain::ShowRecentProjects);
    // The fields would take a dropped file's name as text.
    for (QLineEdit *edit : findChildren<QLineEdit *>())
        edit->installEventFilter(this);
    connect(m_ui->regimeButtons, &QButtonGroup::idClicked, this, [this] { RegimeChosen(); });
    // The page shown is the input's form (FieldsToDat takes it).
    connect(m_ui->pcNapr, &QTabWidget::currentChanged, this,
            [this] { RecordFields(QStringLiteral("NaprPage")); });
}

void TFormMain::MakeEditMenu()
{
    QUndoStack *stack = m_document->UndoStack();
    m_editMenu = new QMenu(this);
    m_editMenu->setObjectName(QStringLiteral("MI_Edit"));
    menuBar()->insertMenu(m_ui->miCalculation->menuAction(), m_editMenu);
    m_undoAction = m_editMenu->addAction(QString());
    m_undoAction->setObjectName(QStringLiteral("ActUndo"));
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_redoAction = m_editMenu->addAction(QString());
    m_redoAction->setObjectName(QStringLiteral("ActRedo"));
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo});
    m_undoAction->setEnabled(false);
    m_redoAction->setEnabled(false);
    connect(stack, &QUndoStack::canUndoChanged, m_undoAction, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, m_redoAction, &QAction::setEnabled);
    connect(stack, &QUndoStack::undoTextChanged, this, [this] { RetranslateEditMenu(); });
    connect(stack, &QUndoStack::redoTextChanged, this, [this] { RetranslateEditMenu(); });
    connect(m_undoAction, &QAction::triggered, this,
            [stack] { Guarded([stack] { stack->undo(); }); });
    connect(m_redoAction, &QAction::triggered, this,
            [stack] { Guarded([stack] { stack->redo(); }); });
    RetranslateEditMenu();
}

void TFormMain::RetranslateEditMenu()
{
    const QUndoStack *stack = m_document->UndoStack();
    m_editMenu->setTitle(UiText("Menu_edit"));
    // "Undo Move tower 3": the step the action takes back, when there is one.
    auto named = [](const QString &action, const QString &step) {
        return step.isEmpty() ? action : action + QLatin1Char(' ') + step;
    };
    m_undoAction->setText(named(UiText("Undo_action"), stack->undoText()));
    m_redoAction->setText(named(UiText("Redo_action"), stack->redoText()));
}

void TFormMain::RegimeChosen()
{
    TDAT after = CurProject.Dat;
    FieldsToDat(after);
    ApplyRegimeChoice(after, static_cast<RegimeChoice>(m_ui->regimeButtons->checkedId()));
    RecordDat(after, QStringLiteral("Regime"));
}

void TFormMain::RecordFields(const QString &field)
{
    if (m_showingFields)
        return;
    TDAT after = CurProject.Dat;
    FieldsToDat(after);
    RecordDat(after, field);
}

void TFormMain::RecordDat(const TDAT &after, const QString &field)
{
    const QScopedValueRollback<bool> recording(m_recordingFields, true);
    m_document->EditFields(after, UiText("Undo_fields"), field);
}

void TFormMain::ShowDocumentFields()
{
    // The mode choice that gives the project's modes, when one does.
    for (QAbstractButton *button : m_ui->regimeButtons->buttons()) {
        TDAT probe = CurProject.Dat;
        ApplyRegimeChoice(probe, static_cast<RegimeChoice>(m_ui->regimeButtons->id(button)));
        if (probe.RegimeFlags == CurProject.Dat.RegimeFlags)
            button->setChecked(true);
    }
    ProjectToForm();
}

// The first display sets up texts and fields before the window appears, so that it appears
// with its final size.
void TFormMain::setVisible(bool visible)
{
    const bool first = visible && !m_shown;
    if (first) {
        m_shown = true;
        Guarded([this] { FormShow(); });
    }
    QMainWindow::setVisible(visible);
    // Once shown, its frame is known, and the docked pane's width once the layout settles.
    if (first) {
        FitOnScreen(this);
        QTimer::singleShot(0, this, [this] { FitOnScreen(this); });
    }
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
    FitOnScreen(this);
}

// The pair not chosen is 0 in a file: it is derived from the chosen one over the section.
void TFormMain::DeriveUnchosenTensions()
{
    TDAT &dat = CurProject.Dat;
    const std::optional<double> section = SectionOf(m_program.Catalogue(), dat.Provod);
    if (!section)
        return;
    if (NaprPageOf(dat.NaprPage) == NaprPage::Stresses) {
        if (dat.Tag_Max == 0 && dat.Tag_Srg == 0) {
            dat.Tag_Max = ForceOfStress(dat.Napr_Max, *section);
            dat.Tag_Srg = ForceOfStress(dat.Napr_srg, *section);
        }
    } else if (dat.Napr_Max == 0 && dat.Napr_srg == 0) {
        dat.Napr_Max = dat.Tag_Max / *section;
        dat.Napr_srg = dat.Tag_Srg / *section;
    }
}

void TFormMain::LinkTensions(NaprPage typed, const QString &field)
{
    const std::optional<double> section
        = SectionOf(m_program.Catalogue(), m_ui->provod->text().toStdString());
    if (!section)
        return;
    TDAT dat = CurProject.Dat;
    FieldsToDat(dat);
    const QScopedValueRollback<bool> showing(m_showingFields, true);
    const struct
    {
        DecimalField *stressField, *forceField;
        double &stress, &force;
    } pairs[] = {{m_ui->naprMax, m_ui->tagMax, dat.Napr_Max, dat.Tag_Max},
                 {m_ui->naprSrg, m_ui->tagSrg, dat.Napr_srg, dat.Tag_Srg}};
    for (const auto &pair : pairs) {
        if (typed == NaprPage::Stresses) {
            if (!pair.stressField->HoldsValue())
                continue;
            pair.stress = FromShown(pair.stressField->TypedValue(), pair.stress,
                                    m_program.Factors().stress);
            pair.force = ForceOfStress(pair.stress, *section);
            pair.forceField->setValue(m_program.Factors().force * pair.force);
        } else {
            if (!pair.forceField->HoldsValue())
                continue;
            pair.force
                = FromShown(pair.forceField->TypedValue(), pair.force, m_program.Factors().force);
            pair.stress = pair.force / *section;
            pair.stressField->setValue(m_program.Factors().stress * pair.stress);
        }
    }
    RecordDat(dat, field);
}

void TFormMain::ProjectToForm()
{
    const QScopedValueRollback<bool> showing(m_showingFields, true);
    DeriveUnchosenTensions();
    const TDAT &dat = CurProject.Dat;
    m_ui->provod->setText(QString::fromStdString(dat.Provod));
    m_ui->tMax->setValue(dat.T_Max);
    m_ui->tMin->setValue(dat.T_Min);
    m_ui->tSrg->setValue(dat.T_Srg);
    m_ui->tvmax->setValue(dat.Tvmax);
    m_ui->tGbw->setValue(dat.T_Gbw);
    m_ui->tGsw->setValue(dat.T_Gsw);
    m_ui->vMax->setValue(dat.VMax);
    m_ui->vgol->setValue(dat.Vgol);
    m_ui->tols->setValue(dat.Tols);
    m_ui->naprSrg->setValue(m_program.Factors().stress * dat.Napr_srg);
    m_ui->naprMax->setValue(m_program.Factors().stress * dat.Napr_Max);
    m_ui->tagSrg->setValue(m_program.Factors().force * dat.Tag_Srg);
    m_ui->tagMax->setValue(m_program.Factors().force * dat.Tag_Max);
    {
        const QSignalBlocker blocker(m_ui->pcNapr);
        m_ui->pcNapr->setCurrentIndex(static_cast<int>(NaprPageOf(dat.NaprPage)));
    }
    m_ui->minProl->setValue(SpanFieldValue(dat.Min_Prol));
    m_ui->maxProl->setValue(SpanFieldValue(dat.Max_Prol));
    m_ui->shag->setValue(SpanFieldValue(dat.Shag));
    RgCalcRegimeClick();
}

void TFormMain::FormToProject()
{
    // Text typed but not yet confirmed with Enter or a focus change counts too.
    for (DecimalField *field : findChildren<DecimalField *>()) {
        if (field->window() == this)
            field->Commit();
    }
    for (IntegerField *field : {m_ui->minProl, m_ui->maxProl, m_ui->shag})
        field->Commit();
    TDAT after = CurProject.Dat;
    FieldsToDat(after);
    RecordDat(after, QString());
}

void TFormMain::FieldsToDat(TDAT &dat) const
{
    dat.Provod = m_ui->provod->text().toStdString();
    dat.T_Max = m_ui->tMax->TypedValue();
    dat.T_Min = m_ui->tMin->TypedValue();
    dat.T_Srg = m_ui->tSrg->TypedValue();
    dat.Tvmax = m_ui->tvmax->TypedValue();
    dat.T_Gbw = m_ui->tGbw->TypedValue();
    dat.T_Gsw = m_ui->tGsw->TypedValue();
    dat.VMax = m_ui->vMax->TypedValue();
    dat.Vgol = m_ui->vgol->TypedValue();
    dat.Tols = m_ui->tols->TypedValue();
    dat.Napr_srg = FromShown(m_ui->naprSrg->TypedValue(), dat.Napr_srg, m_program.Factors().stress);
    dat.Napr_Max = FromShown(m_ui->naprMax->TypedValue(), dat.Napr_Max, m_program.Factors().stress);
    dat.NaprPage = static_cast<int>(ShownNaprPage());
    dat.Tag_Srg = FromShown(m_ui->tagSrg->TypedValue(), dat.Tag_Srg, m_program.Factors().force);
    dat.Tag_Max = FromShown(m_ui->tagMax->TypedValue(), dat.Tag_Max, m_program.Factors().force);
    dat.Min_Prol = m_ui->minProl->TypedValue();
    dat.Max_Prol = m_ui->maxProl->TypedValue();
    dat.Shag = m_ui->shag->TypedValue();
}

void TFormMain::WatchChanges()
{
    for (DecimalField *field :
         {m_ui->tMax, m_ui->tMin, m_ui->tSrg, m_ui->tvmax, m_ui->tGbw, m_ui->tGsw, m_ui->vMax,
          m_ui->vgol, m_ui->tols, m_ui->naprMax, m_ui->naprSrg, m_ui->tagMax, m_ui->tagSrg}) {
        // Each key is a change of the project (one step per field typed into).
        auto record = [this, field] {
            RecordFields(field->objectName());
            ShowTypedText();
        };
        connect(field, &DecimalField::Edited, this, record);
        connect(field, &DecimalField::valueChanged, this, record);
    }
    for (IntegerField *field : {m_ui->minProl, m_ui->maxProl, m_ui->shag}) {
        auto record = [this, field] {
            RecordFields(field->objectName());
            ShowTypedText();
        };
        connect(field, &IntegerField::Edited, this, record);
        connect(field, &IntegerField::valueChanged, this, record);
    }
    connect(m_ui->provod, &QLineEdit::textChanged, this, [this] {
        RecordFields(m_ui->provod->objectName());
        ShowTypedText();
    });
    // One input in two forms: typing on either page gives the other, over the wire's section.
    for (DecimalField *field : {m_ui->naprMax, m_ui->naprSrg})
        connect(field, &DecimalField::Edited, this,
                [this, field] { LinkTensions(NaprPage::Stresses, field->objectName()); });
    for (DecimalField *field : {m_ui->tagMax, m_ui->tagSrg})
        connect(field, &DecimalField::Edited, this,
                [this, field] { LinkTensions(NaprPage::Forces, field->objectName()); });
    connect(m_ui->provod, &QLineEdit::textEdited, this,
            [this] { LinkTensions(ShownNaprPage(), m_ui->provod->objectName()); });
}

void TFormMain::ShowModifiedMark()
{
    // Every edit is a step on the document's stack, and the steps of one field typed back to
    // where it was go: away from the clean state the project is modified. Spans typed that are
    // no number are not in the project yet, and count as a change all the same.
    const TFormStringing *stringing = m_windows.FormStringing;
    setWindowModified(m_document->IsModified()
                      || (stringing && !stringing->UnacceptedSpans().isEmpty()));
}

void TFormMain::ShowTypedText()
{
    // Text that holds no number changes no step, yet the results say why they cannot follow
    // (a step recalculates them anyway; the pane's pause makes the two calls one).
    m_resultsPane->InputChanged();
}

void TFormMain::CatalogueChanged()
{
    m_resultsPane->InputChanged();
    ShowFieldWarnings();
}

void TFormMain::RgCalcRegimeClick()
{
    ApplyRegimeChoice(CurProject.Dat, static_cast<RegimeChoice>(m_ui->regimeButtons->checkedId()));
}

void TFormMain::ApplyLanguage()
{
    ApplyQtTranslations(m_program.Language());
    ShowTitle();
    m_ui->retranslateUi(this);
    RetranslateEditMenu();
    ShowProjectName();
    ApplyUnits();
}

void TFormMain::ApplyUnits()
{
    // The fields change their form, not the project.
    const QScopedValueRollback<bool> showing(m_showingFields, true);
    m_ui->retranslateUnits(m_program.Units());
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
    const QString fileName = ProjectFileName();
    const QString name = fileName.isEmpty() ? UiText("Untitled") : QFileInfo(fileName).fileName();
    setWindowTitle(name + QStringLiteral("[*] - ") + AppTitle + QStringLiteral(" - ")
                   + UiText("Mechanical_calculation"));
}

void TFormMain::ShowProjectName()
{
    // A project never saved has no name, and an empty box says nothing.
    const QString fileName = ProjectFileName();
    m_ui->panelProjectName->setVisible(!fileName.isEmpty());
    m_ui->panelProjectName->setText(fileName.isEmpty() ? QString()
                                                       : UiText("Project") + QStringLiteral(": ")
                                            + ProjectNameOf(fileName));
}

void TFormMain::MarkSaved()
{
    m_document->MarkSaved(ProjectFileName());
    ShowTitle();
    ShowModifiedMark();
}

NaprPage TFormMain::ShownNaprPage() const
{
    return static_cast<NaprPage>(m_ui->pcNapr->currentIndex());
}

bool TFormMain::IsModified()
{
    FormToProject();
    ShowModifiedMark();
    return isWindowModified();
}

void TFormMain::ShowFieldWarnings()
{
    const std::vector<InputFinding> warnings
        = PrepareCalculation(CurProject, m_program.Catalogue(), m_program.Language()).warnings;
    auto show = [&](auto *field) {
        QStringList texts;
        for (const InputFinding &warning : warnings) {
            if (QString::fromStdString(warning.field) == field->objectName())
                texts << QString::fromStdString(warning.text);
        }
        field->Note().SetWarning(texts.join(QLatin1Char('\n')));
    };
    for (DecimalField *field : findChildren<DecimalField *>())
        show(field);
    for (IntegerField *field : findChildren<IntegerField *>())
        show(field);
}

FieldRefusal TFormMain::FieldWithoutValue() const
{
    for (const Ui_FormMain::Row &row : std::as_const(m_ui->rows)) {
        auto *field = qobject_cast<QAbstractSpinBox *>(row.label->buddy());
        // Of the tension pages, the one shown is the one calculated.
        if (!field
            || (m_ui->pcNapr->isAncestorOf(field)
                && !m_ui->pcNapr->currentWidget()->isAncestorOf(field)))
            continue;
        const QString problem = FieldProblem(field);
        if (!problem.isEmpty())
            return {row.labelKey,
                    UiText("Field_problem").arg(FieldName(UiText(row.labelKey)), problem)};
    }
    return {};
}

// Calculate: the refusals first, then the engine.
bool TFormMain::CalculationAllowed(const TDAT &dat)
{
    if (const FieldRefusal refusal = InputRefusal(dat, m_program); refusal.Refused()) {
        CurrentPrompts().Error(refusal.text);
        if (refusal.labelKey)
            FocusField(refusal.labelKey);
        return false;
    }
    if (!CurProject.Koef.CheckKoef()
        && !CurrentPrompts().Question(UiText("loads_are_lower_standard")))
        return false;
    // Two spans at least, so that the report's save dialog never leads to empty tables.
    if (const FieldRefusal refusal = SpanRefusal(dat, m_program.Language()); refusal.Refused()) {
        CurrentPrompts().Error(refusal.text);
        return false;
    }
    return true;
}

void TFormMain::FocusField(const char *labelKey)
{
    if (qstrcmp(labelKey, "Type_of_wire") == 0) {
        m_ui->provod->setFocus();
        m_ui->provod->selectAll();
        return;
    }
    for (const Ui_FormMain::Row &row : std::as_const(m_ui->rows)) {
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
    // A field whose text holds no value is named before anything else is taken.
    if (const FieldRefusal refusal = FieldWithoutValue(); refusal.Refused()) {
        CurrentPrompts().Error(refusal.text);
        FocusField(refusal.labelKey);
        return;
    }
    FormToProject();
    const TDAT &dat = CurProject.Dat;
    if (!CalculationAllowed(dat))
        return;
    // Every other check of the one preparation, whose arguments the engine then gets.
    const PreparedCalculation prepared
        = PrepareCalculation(CurProject, m_program.Catalogue(), m_program.Language());
    if (prepared.Refused()) {
        CurrentPrompts().Error(DataEntryRefusal(QString::fromStdString(RefusalText(prepared))));
        return;
    }
    QString failure;
    try {
        const std::optional<CalcResults> results = m_calcDriver(CurProject, prepared);
        if (results && results->status == ResultsStatus::CheckFailed && !results->failure.empty())
            CurrentPrompts().Warning(QString::fromStdString(results->failure));
        return;
    } catch (const std::exception &e) {
        failure = ErrorMessage(e);
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
    TFormWiresBase *catalogue = m_windows.FormWiresBase;
    if (catalogue->Pick(m_ui->provod->text().toStdString())) {
        const TWireRec wire = catalogue->SelectedWire();
        if (!wire.Name.empty())
            m_ui->provod->setText(QString::fromStdString(wire.Name));
    }
    LinkTensions(ShownNaprPage(), m_ui->provod->objectName());
}

void TFormMain::ButKlimatParamClick()
{
    TFormKlimatKoef *dialog = m_windows.FormKlimatKoef;
    dialog->LoadKoef(CurProject.Koef);
    dialog->FormShow();
    if (CurrentPrompts().Exec(*dialog) != QDialog::Rejected) {
        TKlimatKoef koef = CurProject.Koef;
        dialog->StoreKoef(koef);
        // The coefficients are now the ones confirmed, not the defaults of a damaged file.
        CurProject.KoefFallbackLine = 0;
        m_document->EditCoefficients(koef, UiText("Undo_coefficients"));
    }
}

void TFormMain::ActWiresGuideExecute()
{
    m_windows.FormWiresBase->Manage();
}

void TFormMain::ActCadExecute()
{
    TFormSpisokShabloni *list = m_windows.FormSpisokShabloni;
    list->show();
    list->raise();
    list->activateWindow();
}

void TFormMain::ActStringingExecute()
{
    TFormStringing *window = m_windows.FormStringing;
    window->show();
    window->raise();
    window->activateWindow();
}

void TFormMain::ActProfileExecute()
{
    TFormProfile *window = m_windows.FormProfile;
    window->show();
    window->raise();
    window->activateWindow();
}

void TFormMain::ActSettingLanguageExecute()
{
    // What was typed since the last transfer is taken first, so the new language shows it.
    FormToProject();
    if (CurrentPrompts().Exec(*m_windows.LanguageDialog) != QDialog::Accepted)
        return;
    ApplyLanguage();
    ProjectToForm();
}

void TFormMain::ActUnitsExecute()
{
    FormToProject();
    TFormUnitsDlg *dialog = m_windows.FormUnitsDlg;
    dialog->Prepare();
    CurrentPrompts().Exec(*dialog);
    ApplyUnits();
    ProjectToForm();
}

void TFormMain::ActHelpExecute()
{
    ShowHelpAt(HelpContentsAnchor);
}

void TFormMain::ActAboutExecute()
{
    m_windows.FormAbout->ShowAbout();
}

// Change test and save prompt. Returns whether the calling action may go on: Save goes on
// once the project is written (not when the save dialog is cancelled), Don't save goes on
// without writing, Cancel (Escape, the close box) calls the action off.
bool TFormMain::SaveProjectDlg()
{
    if (!IsModified())
        return true;
    TFormSave_Project *prompt = m_windows.FormSave_Project;
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
    TProject fresh;
    fresh.SetDefaults();
    m_document->Replace(fresh, QString());
}

void TFormMain::DocumentReplaced()
{
    ProjectToForm();
    ShowProjectName();
    MarkSaved();
}

void TFormMain::ActOpenProject()
{
    if (!SaveProjectDlg())
        return;
    FileDialogRequest request = ProjectDialog("Open_project_title");
    request.fileName = QStringLiteral("*.vlp");
    // The first open starts among the shipped examples.
    PrepareDialogFolder(request, FileKind::Project, DialogUse::Open, ProjectsDir);
    const QString path = CurrentPrompts().OpenFileName(request);
    if (path.isEmpty())
        return;
    RememberDialogFolder(FileKind::Project, path);
    ReadProjectFile(path);
}

void TFormMain::OpenProjectFile(const QString &path)
{
    if (!SaveProjectDlg())
        return;
    ReadProjectFile(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

void TFormMain::ReadProjectFile(const QString &path)
{
    // Read into a copy: a file that fails leaves the open project, its name and caption.
    TProject opened;
    opened.Assign(CurProject);
    try {
        LoadProject(QDir::toNativeSeparators(path).toStdString(), opened);
    } catch (const ConversionError &e) {
        // A file that reads but does not hold a project's values.
        throw Error((UiText("Not_a_project").arg(QDir::toNativeSeparators(path)) + QLatin1Char('\n')
                     + ErrorMessage(e))
                        .toStdString());
    }
    m_document->Replace(opened, path);
    AddRecentProject(path);
    ShowRecentProjects();
}

void TFormMain::ShowRecentProjects()
{
    QMenu *menu = m_ui->miRecent;
    for (QAction *action : menu->actions()) {
        if (action != m_ui->actClearRecent) {
            menu->removeAction(action);
            delete action;
        }
    }
    const QStringList paths = ReadRecentProjects();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString path = paths.at(i);
        auto *action = new QAction(RecentEntryText(int(i) + 1, path, menu->fontMetrics()), menu);
        action->setData(path);
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this,
                [this, path] { Guarded([this, path] { OpenRecentProject(path); }); });
        menu->insertAction(m_ui->actClearRecent, action);
    }
    if (!paths.isEmpty())
        menu->insertSeparator(m_ui->actClearRecent);
    menu->menuAction()->setEnabled(!paths.isEmpty());
}

void TFormMain::OpenRecentProject(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        RemoveRecentProject(path);
        ShowRecentProjects();
        CurrentPrompts().Warning(UiText("Recent_project_gone").arg(QDir::toNativeSeparators(path)));
        return;
    }
    OpenProjectFile(path);
}

void TFormMain::ActClearRecentExecute()
{
    ClearRecentProjects();
    ShowRecentProjects();
}

bool TFormMain::TakeProjectDrop(QDropEvent *event)
{
    const QString path = DraggedProjectFile(event->mimeData());
    if (path.isEmpty())
        return false;
    event->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        // The program that the file was dragged from waits until the drop returns: the save
        // prompt and the open come after it.
        QMetaObject::invokeMethod(
            this, [this, path] { Guarded([this, path] { OpenProjectFile(path); }); },
            Qt::QueuedConnection);
    }
    return true;
}

void TFormMain::dragEnterEvent(QDragEnterEvent *event)
{
    TakeProjectDrop(event);
}

void TFormMain::dragMoveEvent(QDragMoveEvent *event)
{
    TakeProjectDrop(event);
}

void TFormMain::dropEvent(QDropEvent *event)
{
    TakeProjectDrop(event);
}

bool TFormMain::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (TakeProjectDrop(static_cast<QDropEvent *>(event)))
            return true;
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::ActSaveProject()
{
    SaveProjectNow();
}

// Save: to the project's file, or to a file chosen in the save dialog. Returns whether the
// project was written.
bool TFormMain::SaveProjectNow()
{
    if (!MaySaveSpans())
        return false;
    if (ProjectFileName().isEmpty()) {
        FileDialogRequest request = ProjectDialog("Save_project_title");
        request.fileName = m_saveDialogFile;
        PrepareDialogFolder(request, FileKind::Project, DialogUse::Save);
        const QString path = CurrentPrompts().SaveFileName(request);
        if (path.isEmpty())
            return false;
        m_saveDialogFile = path;
        WriteProjectFile(path);
        return true;
    }
    WriteProjectFile(ProjectFileName());
    return true;
}

bool TFormMain::MaySaveSpans()
{
    TFormStringing *stringing = m_windows.FormStringing;
    if (!stringing || stringing->UnacceptedSpans().isEmpty())
        return true;
    CurrentPrompts().Error(UiText("Spans_not_saved").arg(stringing->UnacceptedSpans()));
    ActStringingExecute();
    return false;
}

void TFormMain::ActProjectSaveAsExecute()
{
    if (!MaySaveSpans())
        return;
    FileDialogRequest request = ProjectDialog("Save_project_title");
    request.fileName = ProjectFileName();
    PrepareDialogFolder(request, FileKind::Project, DialogUse::Save);
    const QString path = CurrentPrompts().SaveFileName(request);
    if (path.isEmpty())
        return;
    m_saveDialogFile = path;
    WriteProjectFile(path);
}

void TFormMain::WriteProjectFile(const QString &path)
{
    FormToProject();
    SaveProject(path.toStdString(), CurProject);
    // Written: the file is the project's from here on.
    m_document->SetFileName(path);
    RememberDialogFolder(FileKind::Project, path);
    ShowProjectName();
    MarkSaved();
    AddRecentProject(path);
    ShowRecentProjects();
    AnnounceWrittenFile(path);
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
    if (TFormWiresBase *catalogue = m_windows.FormWiresBase)
        Guarded([catalogue] { catalogue->SaveIfModified(); });
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
