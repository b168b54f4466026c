#include "gui/results/resultspane.h"

#include "common/numtext.h"
#include "gui/document/projectdocument.h"
#include "gui/formmain.h"
#include "gui/prompts.h"
#include "gui/results/livecalc.h"
#include "gui/results/plotlegend.h"
#include "gui/results/resultsplots.h"
#include "gui/results/resultsprint.h"
#include "gui/screenfit.h"
#include "gui/softsettings.h"
#include "gui/uitext.h"
#include "gui/wholefile.h"
#include "gui/writtenfile.h"
#include "l10n/texts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

// Settings: "1" when the pane is open; the window's dock layout (QMainWindow::saveState,
// base64); the window's size with the pane docked ("width,height").
const char *const VisibleKey = "ResultsPane";
const char *const StateKey = "ResultsPaneState";
const char *const WindowKey = "ResultsPaneWindow";

// The pane's size when it is first docked (beside the fields it still fits a screen 1366
// pixels wide).
constexpr int FirstDockWidth = 470;
constexpr int FirstDockHeight = 560;

// The pane's content, whose size hint is the pane's size when it is first docked.
class PaneBody : public QWidget
{
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return {FirstDockWidth, FirstDockHeight}; }
};

QPushButton *NewButton(const char *name, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QString Row(const QStringList &cells, const char *tag = "td")
{
    QString row = QStringLiteral("<tr>");
    for (const QString &cell : cells)
        row += QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), cell);
    return row + QStringLiteral("</tr>");
}

} // namespace

ResultsPane::ResultsPane(const ProgramContext &program, const ProjectDocument &document,
                         QMainWindow *window)
    : QDockWidget(window)
    , m_document(document)
    , m_window(window)
    , m_program(program)
    , m_model(program, this)
{
    setObjectName(QStringLiteral("ResultsPane"));
    for (auto change : {&ProjectDocument::projectReplaced, &ProjectDocument::fieldsChanged,
                        &ProjectDocument::coefficientsChanged})
        connect(&document, change, this, &ResultsPane::InputChanged);
    toggleViewAction()->setObjectName(QStringLiteral("ActResultsPane"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);

    auto *body = new PaneBody(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    m_notice = new QLabel(body);
    m_notice->setObjectName(QStringLiteral("ResultsNotice"));
    m_notice->setWordWrap(true);
    m_notice->setMargin(6);
    m_notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notice->hide();
    layout->addWidget(m_notice);

    m_tabs = new QTabWidget(body);
    m_tabs->setObjectName(QStringLiteral("ResultsTabs"));
    m_summary = new QTextBrowser(m_tabs);
    m_summary->setObjectName(QStringLiteral("ResultsSummary"));
    m_tabs->addTab(m_summary, QString());
    m_tabs->addTab(BuildTablePage(), QString());
    m_modesButton = new QToolButton;
    m_modesButton->setObjectName(QStringLiteral("SagModes"));
    m_modesButton->setPopupMode(QToolButton::InstantPopup);
    m_modesMenu = new QMenu(m_modesButton);
    m_modesButton->setMenu(m_modesMenu);
    m_tabs->addTab(BuildPlotPage(m_sagView, m_sagLegend, m_sagPng, m_sagSvg, m_modesButton),
                   QString());
    m_tabs->addTab(BuildPlotPage(m_stressView, m_stressLegend, m_stressPng, m_stressSvg, nullptr),
                   QString());
    m_sagView->setObjectName(QStringLiteral("SagPlot"));
    m_stressView->setObjectName(QStringLiteral("StressPlot"));
    layout->addWidget(m_tabs, 1);

    auto *bottom = new QHBoxLayout;
    m_print = NewButton("ResultsPrint", body);
    m_pdf = NewButton("ResultsPdf", body);
    bottom->addStretch();
    bottom->addWidget(m_print);
    bottom->addWidget(m_pdf);
    layout->addLayout(bottom);
    setWidget(body);

    connect(m_print, &QPushButton::clicked, this, &ResultsPane::Print);
    connect(m_pdf, &QPushButton::clicked, this, &ResultsPane::SavePdf);
    connect(m_sagPng, &QPushButton::clicked, this, [this] { ExportPlot(m_sagView, false); });
    connect(m_sagSvg, &QPushButton::clicked, this, [this] { ExportPlot(m_sagView, true); });
    connect(m_stressPng, &QPushButton::clicked, this, [this] { ExportPlot(m_stressView, false); });
    connect(m_stressSvg, &QPushButton::clicked, this, [this] { ExportPlot(m_stressView, true); });

    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMs);
    connect(&m_pause, &QTimer::timeout, this, &ResultsPane::RecalculateNow);
    m_layoutSave.setSingleShot(true);
    m_layoutSave.setInterval(500);
    connect(&m_layoutSave, &QTimer::timeout, this, &ResultsPane::SaveLayout);
    connect(this, &QDockWidget::visibilityChanged, this, &ResultsPane::VisibilityChanged);
    connect(this, &QDockWidget::topLevelChanged, this, [this] {
        UpdateWindowSizing();
        SaveLayout();
    });
    connect(this, &QDockWidget::dockLocationChanged, this, [this] { m_layoutSave.start(); });
    installEventFilter(this);
    window->installEventFilter(this);

    window->addDockWidget(Qt::RightDockWidgetArea, this);
    ApplyTexts();
    ShowResults();
    RestoreLayout();
}

QWidget *ResultsPane::BuildTablePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    auto *tools = new QHBoxLayout;
    m_showLabel = new QLabel(page);
    m_quantity = new QComboBox(page);
    m_quantity->setObjectName(QStringLiteral("ResultsQuantity"));
    m_showLabel->setBuddy(m_quantity);
    m_copy = NewButton("ResultsCopy", page);
    m_csv = NewButton("ResultsCsv", page);
    tools->addWidget(m_showLabel);
    tools->addWidget(m_quantity);
    tools->addStretch();
    tools->addWidget(m_copy);
    tools->addWidget(m_csv);
    layout->addLayout(tools);

    m_table = new QTableView(page);
    m_table->setObjectName(QStringLiteral("ResultsTable"));
    m_table->setModel(&m_model);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_table, 1);

    m_copyAction = new QAction(m_table);
    m_copyAction->setShortcut(QKeySequence::Copy);
    m_copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_table->addAction(m_copyAction);
    connect(m_copyAction, &QAction::triggered, this, &ResultsPane::CopySelection);
    connect(m_copy, &QPushButton::clicked, this, &ResultsPane::CopySelection);
    connect(m_csv, &QPushButton::clicked, this, &ResultsPane::ExportCsv);
    connect(m_quantity, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_model.SetQuantity(static_cast<Quantity>(std::max(0, index))); });
    return page;
}

QWidget *ResultsPane::BuildPlotPage(ResultsChartView *&view, PlotLegend *&legend, QPushButton *&png,
                                    QPushButton *&svg, QToolButton *modes)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    auto *tools = new QHBoxLayout;
    if (modes) {
        modes->setParent(page);
        tools->addWidget(modes);
    }
    tools->addStretch();
    png = NewButton(modes ? "SagPng" : "StressPng", page);
    svg = NewButton(modes ? "SagSvg" : "StressSvg", page);
    tools->addWidget(png);
    tools->addWidget(svg);
    layout->addLayout(tools);
    // The legend beside the chart takes what is left of the width; the splitter lets the
    // user give the names more.
    auto *plotAndLegend = new QSplitter(Qt::Horizontal, page);
    plotAndLegend->setChildrenCollapsible(false);
    view = new ResultsChartView(plotAndLegend);
    legend = new PlotLegend(plotAndLegend);
    plotAndLegend->setStretchFactor(0, 3);
    plotAndLegend->setStretchFactor(1, 1);
    layout->addWidget(plotAndLegend, 1);
    return page;
}

void ResultsPane::ApplyLanguage()
{
    ApplyTexts();
    m_model.Retranslate();
    ShowResults();
    // After the pause, so that the fields show the project in the new units first.
    InputChanged();
}

void ResultsPane::ApplyTexts()
{
    setWindowTitle(UiText("Results"));
    toggleViewAction()->setText(UiText("Results"));
    m_tabs->setTabText(0, UiText("Res_summary"));
    m_tabs->setTabText(1, UiText("Res_table"));
    m_tabs->setTabText(2, UiText("Res_sag_plot"));
    m_tabs->setTabText(3, UiText("Res_stress_plot"));
    m_showLabel->setText(UiText("Res_show"));
    {
        const QSignalBlocker blocker(m_quantity);
        const int current = std::max(0, m_quantity->currentIndex());
        m_quantity->clear();
        const ShownUnits units = ShownUnitsOf(m_program);
        for (Quantity q : {Quantity::Stress, Quantity::Force, Quantity::Sag})
            m_quantity->addItem(QuantityName(q) + QStringLiteral(", ") + QuantityUnit(q, units));
        m_quantity->setCurrentIndex(current);
    }
    m_copy->setText(UiText("Res_copy"));
    m_csv->setText(UiText("Res_export_csv"));
    m_modesButton->setText(UiText("Res_modes"));
    for (QPushButton *png : {m_sagPng, m_stressPng})
        png->setText(UiText("Res_export_png"));
    for (QPushButton *svg : {m_sagSvg, m_stressSvg})
        svg->setText(UiText("Res_export_svg"));
    m_print->setText(UiText("Res_print"));
    m_pdf->setText(UiText("Res_save_pdf"));
}

void ResultsPane::InputChanged()
{
    m_stale = true;
    if (!isHidden())
        m_pause.start();
}

void ResultsPane::Flush()
{
    if (m_pause.isActive())
        RecalculateNow();
}

void ResultsPane::RecalculateNow()
{
    m_pause.stop();
    m_stale = false;
    ++m_recalculations;
    LiveOutcome outcome;
    if (const QString refusal = m_fieldCheck ? m_fieldCheck() : QString(); !refusal.isEmpty())
        outcome.reason = refusal;
    else
        outcome = CalculateLive(m_document.Project(), m_program);
    if (outcome.results) {
        m_results = outcome.results;
        m_reason.clear();
    } else {
        m_reason = outcome.reason;
    }
    m_loadsLow = outcome.loadsLow;
    m_warnings = outcome.warnings;
    ShowResults();
    emit Recalculated();
}

void ResultsPane::ShowResults()
{
    // With nothing calculated there is nothing to copy, export or print.
    const bool any = m_results != nullptr;
    for (QWidget *button :
         {m_copy, m_csv, m_sagPng, m_sagSvg, m_stressPng, m_stressSvg, m_print, m_pdf})
        button->setEnabled(any);
    m_copyAction->setEnabled(any);
    ShowNotice();
    ShowSummary();
    if (m_model.Results() != m_results)
        m_model.SetResults(m_results);
    FillModesMenu();
    ShowPlots();
}

QString ResultsPane::NoticeText() const
{
    return m_notice->isHidden() ? QString() : m_notice->text();
}

void ResultsPane::ShowNotice()
{
    QString text;
    bool warning = false;
    if (!m_reason.isEmpty()) {
        text = m_results ? UiText("Res_out_of_date").arg(m_reason) : m_reason;
        warning = true;
    } else if (!m_results) {
        text = UiText("Res_nothing_yet");
    } else if (m_loadsLow) {
        text = UiText("Res_loads_low");
    }
    m_notice->setText(text);
    m_notice->setStyleSheet(warning ? QStringLiteral("background: #fff0c0; color: #702000;")
                                    : QStringLiteral("background: #eef3fa;"));
    m_notice->setVisible(!text.isEmpty());
}

void ResultsPane::ShowSummary()
{
    if (!m_results) {
        m_summary->clear();
        return;
    }
    const CalcResults &r = *m_results;
    const ShownUnits u = ShownUnitsOf(m_program);
    const UnitFactors &f = u.factors;
    QString html;
    html += QStringLiteral("<h3>%1</h3>").arg(QString::fromStdString(r.wire.Name).toHtmlEscaped());
    html += QStringLiteral("<p>")
        + UiText("Res_wire_line")
              .arg(UiText("Wire"), ShortNumber(r.wire.Diam), ShortNumber(r.wire.Sech),
                   ShortNumber(r.wire.PNag), ShortNumber(f.force * r.wire.Modl), u.modulus,
                   QString::fromStdString(FormatNumber(r.wire.Koef)))
              .toHtmlEscaped()
        + QStringLiteral("<br>")
        + UiText("Res_ice_line")
              .arg(ShortNumber(r.b), ShortNumber(r.Ki), ShortNumber(r.Kd), ShortNumber(r.Kw),
                   ShortNumber(r.Cx))
              .toHtmlEscaped()
        + QStringLiteral("<br>")
        + UiText("Res_permissible")
              .arg(ShortNumber(f.stress * r.sigmaMax), ShortNumber(f.stress * r.sigmaAvg), u.stress)
              .toHtmlEscaped()
        + QStringLiteral("</p>");

    html += QStringLiteral("<h4>%1</h4>").arg(UiText("Res_loads"));
    html += QStringLiteral("<table border='1' cellspacing='0' cellpadding='3'>");
    html += Row({QString(), UiText("Res_load"), QStringLiteral("P, ") + u.perMetre,
                 QStringLiteral("γ, ") + u.specific},
                "th");
    const LoadSet &l = r.loads;
    const struct
    {
        const char *index;
        double P, g;
    } loads[] = {{"1", l.P1, l.g1},    {"2", l.P2, l.g2},    {"3", l.P3, l.g3}, {"4", l.P4, l.g4},
                 {"4a", l.P4a, l.g4a}, {"4b", l.P4b, l.g4b}, {"5", l.P5, l.g5}, {"6", l.P6, l.g6},
                 {"6a", l.P6a, l.g6a}, {"6b", l.P6b, l.g6b}, {"7", l.P7, l.g7}};
    for (const auto &load : loads) {
        html += Row({QLatin1String(load.index),
                     UiText((std::string("Res_load_") + load.index).c_str()).toHtmlEscaped(),
                     ShortNumber(f.stress * load.P, 5), ShortNumber(f.stress * load.g, 5)});
    }
    html += QStringLiteral("</table>");

    html += QStringLiteral("<h4>%1</h4>").arg(UiText("Res_critical_spans"));
    html += QStringLiteral("<p>l1 = %1, l2 = %2, l3 = %3 (%4)</p>")
                .arg(CriticalSpanText(r.l1), CriticalSpanText(r.l2), CriticalSpanText(r.l3),
                     OrderWords(r.order));
    html += QStringLiteral("<h4>%1</h4><p>").arg(UiText("Res_governing"));
    html += GoverningLines(r).join(QStringLiteral("<br>")) + QStringLiteral("</p>");
    if (!r.overLimits.empty()) {
        html += QStringLiteral("<h4 style='color:#b00000'>%1</h4><p>")
                    .arg(UiText("Res_over_limits").toHtmlEscaped());
        QStringList lines;
        for (const OverLimit &over : r.overLimits)
            lines << UiText("Res_over_limit_line")
                         .arg(over.mode)
                         .arg(ShortNumber(over.span), ShortNumber(f.stress * over.stress, 5),
                              ShortNumber(f.stress * over.limit, 5), u.stress)
                         .toHtmlEscaped();
        html += lines.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
    }
    if (!r.warnings.empty()) {
        html += QStringLiteral("<h4 style='color:#7a4b00'>%1</h4><p>")
                    .arg(UiText("Res_warnings").toHtmlEscaped());
        QStringList lines;
        for (const InputFinding &warning : r.warnings)
            lines << QString::fromStdString(warning.text).toHtmlEscaped();
        html += lines.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
    }
    m_summary->setHtml(html);
}

void ResultsPane::FillModesMenu()
{
    m_modesMenu->clear();
    if (!m_results)
        return;
    for (const ModeResults &mode : m_results->taken) {
        QAction *action
            = m_modesMenu->addAction(UiText("Res_mode_n").arg(mode.mode) + QStringLiteral(": ")
                                     + ModeDescription(mode.mode, mode.conditions));
        action->setCheckable(true);
        action->setData(mode.mode);
        action->setChecked(std::find(m_sagModes.begin(), m_sagModes.end(), mode.mode)
                           != m_sagModes.end());
        const int number = mode.mode;
        connect(action, &QAction::toggled, this, [this, number](bool on) {
            std::vector<int> modes = m_sagModes;
            modes.erase(std::remove(modes.begin(), modes.end(), number), modes.end());
            if (on)
                modes.push_back(number);
            SetSagModes(modes);
        });
    }
}

void ResultsPane::SetSagModes(std::vector<int> modes)
{
    m_sagModes = std::move(modes);
    for (QAction *action : m_modesMenu->actions()) {
        const QSignalBlocker blocker(action);
        const int number = action->data().toInt();
        action->setChecked(std::find(m_sagModes.begin(), m_sagModes.end(), number)
                           != m_sagModes.end());
    }
    ShowPlots();
}

void ResultsPane::ShowPlots()
{
    const ShownUnits units = ShownUnitsOf(m_program);
    static const CalcResults none;
    const CalcResults &r = m_results ? *m_results : none;
    ShowSagPlot(*m_sagView->chart(), r, m_sagModes, units);
    m_sagView->SetValueUnit(UiText("meter"));
    m_sagView->WatchHover();
    m_sagLegend->ShowSeriesOf(*m_sagView->chart());
    ShowStressPlot(*m_stressView->chart(), r, units);
    m_stressView->SetValueUnit(units.stress);
    m_stressView->WatchHover();
    m_stressLegend->ShowSeriesOf(*m_stressView->chart());
}

void ResultsPane::CopySelection()
{
    if (!m_results)
        return;
    const QString text = SelectionAsTsv(m_model, m_table->selectionModel()->selectedIndexes());
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

QString ResultsPane::TitleForFiles() const
{
    if (!m_results)
        return UiText("Results");
    return UiText("Results") + QStringLiteral(": ") + QString::fromStdString(m_results->wire.Name)
        + QStringLiteral(" — ") + m_quantity->currentText();
}

QStringList ResultsPane::PrintDetails() const
{
    QStringList lines;
    const QString project = TFormMain::ProjectNameOf(m_document.FileName());
    lines << UiText("Print_project").arg(project.isEmpty() ? UiText("Untitled") : project);
    if (m_results) {
        const CalcResults &r = *m_results;
        const ShownUnits u = ShownUnitsOf(m_program);
        lines << UiText("Res_wire_line")
                     .arg(QString::fromStdString(r.wire.Name), ShortNumber(r.wire.Diam),
                          ShortNumber(r.wire.Sech), ShortNumber(r.wire.PNag),
                          ShortNumber(u.factors.force * r.wire.Modl), u.modulus,
                          QString::fromStdString(FormatNumber(r.wire.Koef)));
        lines << UiText("Res_permissible")
                     .arg(ShortNumber(u.factors.stress * r.sigmaMax),
                          ShortNumber(u.factors.stress * r.sigmaAvg), u.stress);
    }
    const TDAT &dat = m_document.Project().Dat;
    lines << UiText("Print_climate")
                 .arg(ShortNumber(dat.T_Max), ShortNumber(dat.T_Min), ShortNumber(dat.T_Srg),
                      ShortNumber(dat.Tols), ShortNumber(dat.T_Gbw), ShortNumber(dat.VMax),
                      ShortNumber(dat.Tvmax), ShortNumber(dat.Vgol), ShortNumber(dat.T_Gsw));
    lines << UiText("Print_date").arg(QDate::currentDate().toString(Qt::ISODate));
    return lines;
}

QString ResultsPane::AskFileName(const QString &title, const QString &suffix)
{
    FileDialogRequest request;
    request.title = QString(title).remove(QStringLiteral("..."));
    request.filter = QStringLiteral("*.%1 (*.%1)").arg(suffix);
    request.defaultSuffix = suffix;
    // "АС 70/11 — Stress, daN/mm²" would name a folder.
    request.fileName = FileNameOfTitle(TitleForFiles()) + QLatin1Char('.') + suffix;
    return CurrentPrompts().SaveFileName(request);
}

namespace {

void ReportNotWritten(const QString &path, const QString &error)
{
    CurrentPrompts().Error(UiText("Res_file_not_written").arg(path, error));
}

} // namespace

void ResultsPane::ExportCsv()
{
    if (!m_results)
        return;
    const QString path = AskFileName(UiText("Res_export_csv"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    QString error;
    if (!WriteWholeFile(path, TableAsCsv(m_model), &error))
        ReportNotWritten(path, error);
    else
        AnnounceWrittenFile(path);
}

void ResultsPane::ExportPlot(ResultsChartView *view, bool svg)
{
    if (!m_results)
        return;
    const QString path = AskFileName(UiText(svg ? "Res_export_svg" : "Res_export_png"),
                                     svg ? QStringLiteral("svg") : QStringLiteral("png"));
    if (path.isEmpty())
        return;
    QString error;
    if (!(svg ? SaveChartSvg(*view, path, &error) : SaveChartPng(*view, path, &error)))
        ReportNotWritten(path, error);
    else
        AnnounceWrittenFile(path);
}

void ResultsPane::SavePdf()
{
    if (!m_results)
        return;
    const QString path = AskFileName(UiText("Res_save_pdf"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QString error;
    if (!SaveResultsPdf(path, TitleForFiles(), m_model, {m_sagView, m_stressView}, &error,
                        PrintDetails()))
        ReportNotWritten(path, error);
    else
        AnnounceWrittenFile(path);
}

void ResultsPane::Print()
{
    if (!m_results)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(FileNameOfTitle(TitleForFiles()));
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("ResultsPrintDialog"));
    if (CurrentPrompts().Exec(dialog) != QDialog::Accepted)
        return;
    PrintResults(printer, TitleForFiles(), m_model, {m_sagView, m_stressView}, PrintDetails());
}

void ResultsPane::VisibilityChanged(bool visible)
{
    // The window's own hiding and showing leaves the pane as it is.
    if (!m_window->isVisible())
        return;
    UpdateWindowSizing();
    SaveLayout();
    if (visible && m_stale)
        RecalculateNow();
}

void ResultsPane::UpdateWindowSizing()
{
    QLayout *layout = m_window->layout();
    const bool docked = !isHidden() && !isFloating();
    if (docked && layout->sizeConstraint() == QLayout::SetFixedSize) {
        layout->setSizeConstraint(QLayout::SetDefaultConstraint);
        m_window->setMinimumSize(0, 0);
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (m_dockedWindowSize.isValid()) {
            m_window->resize(m_dockedWindowSize);
        } else {
            m_window->resize(m_window->sizeHint());
        }
        // The pane widens the window where it stands: on a small screen it must not run
        // off it.
        FitOnScreen(m_window);
    } else if (!docked && layout->sizeConstraint() != QLayout::SetFixedSize) {
        m_dockedWindowSize = m_window->size();
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }
}

void ResultsPane::SaveLayout()
{
    m_layoutSave.stop();
    if (!isHidden() && !isFloating())
        m_dockedWindowSize = m_window->size();
    WriteSoftSetting(VisibleKey, isHidden() ? QStringLiteral("0") : QStringLiteral("1"));
    WriteSoftSetting(StateKey, QString::fromLatin1(m_window->saveState().toBase64()));
    if (m_dockedWindowSize.isValid())
        WriteSoftSetting(WindowKey,
                         QStringLiteral("%1,%2")
                             .arg(m_dockedWindowSize.width())
                             .arg(m_dockedWindowSize.height()));
}

void ResultsPane::RestoreLayout()
{
    const QStringList size = ReadSoftSetting(WindowKey).split(QLatin1Char(','));
    if (size.size() == 2 && size[0].toInt() > 0 && size[1].toInt() > 0)
        m_dockedWindowSize = QSize(size[0].toInt(), size[1].toInt());
    const QByteArray state = QByteArray::fromBase64(ReadSoftSetting(StateKey).toLatin1());
    if (!state.isEmpty())
        m_window->restoreState(state);
    // Open on a first start, so that a new user sees the results beside the input.
    const QString visible = ReadSoftSetting(VisibleKey);
    setVisible(visible.isEmpty() || visible == QLatin1String("1"));
    UpdateWindowSizing();
    if (isFloating())
        FitOnScreen(this);
}

bool ResultsPane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close)
        SaveLayout();
    // The window grows while the docked pane's layout settles, after it was placed: it is
    // kept on its screen once the resize is done.
    else if (watched == m_window && event->type() == QEvent::Resize && m_window->isVisible())
        QTimer::singleShot(0, m_window, [window = m_window] { FitOnScreen(window); });
    else if (watched == this && event->type() == QEvent::Resize && !isHidden())
        m_layoutSave.start();
    return QDockWidget::eventFilter(watched, event);
}

} // namespace velmora
