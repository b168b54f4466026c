#pragma once

#include "data/project.h"
#include "gui/results/resultsformat.h"
#include "gui/results/resultstable.h"

#include <QDockWidget>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class QTabWidget;
class QTableView;
class QTextBrowser;
class QToolButton;

namespace velmora {

class PlotLegend;
class ProjectDocument;
class ResultsChartView;

// The results pane of the main window: a summary, the table of spans × taken modes and the
// sag and stress plots of the project as its fields stand. It recalculates by itself a short
// pause after the last change of the input, never shows a dialog or message box for a
// calculation, and says in place why an input cannot be calculated (the last good results stay,
// marked out of date). Its visibility, place and size are kept in the settings store.
class ResultsPane : public QDockWidget
{
    Q_OBJECT

public:
    // The pause after the last change before the results are recalculated.
    static constexpr int PauseMs = 300;

    // Docks itself on the right of window, shown or hidden as the settings store remembers
    // (shown the first time). Shows document's project and follows its every change.
    ResultsPane(const ProgramContext &program, const ProjectDocument &document,
                QMainWindow *window);

    // Why the main window's fields cannot be taken as they stand (a field whose text holds
    // no value), empty when they can: asked before each recalculation.
    void SetFieldCheck(std::function<QString()> check) { m_fieldCheck = std::move(check); }

    // The texts of the current language and the values in the units mode in force; then
    // recalculates as after a change of the input (a failed check's text is in the language
    // of its run, and the fields show the project anew in the new units).
    void ApplyLanguage();
    // The input changed (the document changes call it, the main window for text typed that
    // holds no number and for the catalogue): the results are recalculated PauseMs after the
    // last such call (at the next opening when the pane is closed).
    void InputChanged();
    // Recalculates at once (a pending recalculation is dropped).
    void RecalculateNow();
    // Runs a pending recalculation now; nothing when none is pending.
    void Flush();
    bool RecalculationPending() const { return m_pause.isActive(); }
    int RecalculationCount() const { return m_recalculations; }

    // The results shown (the last good ones); null before any.
    std::shared_ptr<const CalcResults> Results() const { return m_results; }
    // Why the input cannot be calculated, empty when the results are up to date.
    QString Reason() const { return m_reason; }
    // The input's implausible values at the last recalculation (PrepareCalculation).
    const std::vector<InputFinding> &Warnings() const { return m_warnings; }
    // The notice above the tabs as shown; empty when hidden.
    QString NoticeText() const;

    // The modes of the sag plot (default: the clearance modes 2 and 7, and mode 1).
    std::vector<int> SagModes() const { return m_sagModes; }
    void SetSagModes(std::vector<int> modes);

    ResultsTableModel &TableModel() { return m_model; }
    QTableView *Table() const { return m_table; }
    ResultsChartView *SagView() const { return m_sagView; }
    ResultsChartView *StressView() const { return m_stressView; }
    PlotLegend *SagLegend() const { return m_sagLegend; }
    PlotLegend *StressLegend() const { return m_stressLegend; }
    QTabWidget *Tabs() const { return m_tabs; }

    // The actions of the pane's buttons; files are named in the save dialog of the prompts,
    // and a file that cannot be written is reported in an error box. Before any results they
    // do nothing, and their buttons are disabled.
    void CopySelection();
    void ExportCsv();
    void ExportPlot(ResultsChartView *view, bool svg);
    void SavePdf();
    void Print();

    // The title block's lines under the title of a printout: project, wire, permissible
    // stresses, climate, date.
    QStringList PrintDetails() const;

    // Writes visibility, place and size to the settings store; a store that refuses is
    // passed over.
    void SaveLayout();

signals:
    // After every recalculation, good or not.
    void Recalculated();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *BuildTablePage();
    QWidget *BuildPlotPage(ResultsChartView *&view, PlotLegend *&legend, QPushButton *&png,
                           QPushButton *&svg, QToolButton *modes);
    void ApplyTexts();
    void RestoreLayout();
    void VisibilityChanged(bool visible);
    // Docked and open: the window may be resized; otherwise it keeps its fixed size.
    void UpdateWindowSizing();
    void ShowResults();
    void ShowNotice();
    void ShowSummary();
    void ShowPlots();
    void FillModesMenu();
    QString TitleForFiles() const;
    QString AskFileName(const QString &title, const QString &suffix);

    const ProjectDocument &m_document;
    std::function<QString()> m_fieldCheck;
    QMainWindow *m_window;
    QTimer m_pause;
    QTimer m_layoutSave; // resizing the pane saves its size once it settles
    bool m_stale = true; // the input changed since the last calculation
    int m_recalculations = 0;
    std::shared_ptr<const CalcResults> m_results;
    QString m_reason;
    bool m_loadsLow = false;
    std::vector<InputFinding> m_warnings;
    std::vector<int> m_sagModes {2, 7, 1};
    QSize m_dockedWindowSize; // the window's size with the pane docked

    const ProgramContext &m_program;
    ResultsTableModel m_model;
    QLabel *m_notice = nullptr;
    QTabWidget *m_tabs = nullptr;
    QTextBrowser *m_summary = nullptr;
    QLabel *m_showLabel = nullptr;
    QComboBox *m_quantity = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_csv = nullptr;
    QAction *m_copyAction = nullptr; // the copy shortcut of the table
    QTableView *m_table = nullptr;
    QToolButton *m_modesButton = nullptr;
    QMenu *m_modesMenu = nullptr;
    ResultsChartView *m_sagView = nullptr;
    ResultsChartView *m_stressView = nullptr;
    PlotLegend *m_sagLegend = nullptr;
    PlotLegend *m_stressLegend = nullptr;
    QPushButton *m_sagPng = nullptr, *m_sagSvg = nullptr;
    QPushButton *m_stressPng = nullptr, *m_stressSvg = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_pdf = nullptr;
};

} // namespace velmora
