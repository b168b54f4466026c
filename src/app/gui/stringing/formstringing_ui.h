#pragma once

class QChartView;
class QDialog;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace velmora {

class DecimalField;
class SpansEditor;

// The widgets of the stringing-table window, built and worded here as Qt Designer's uic would
// do it; the window class keeps the behaviour.
struct Ui_FormStringing
{
    QGroupBox *sectionsGroup = nullptr;
    QListWidget *sectionList = nullptr;
    QPushButton *addButton = nullptr;
    QPushButton *renameButton = nullptr;
    QPushButton *duplicateButton = nullptr;
    QPushButton *deleteButton = nullptr;

    QGroupBox *spansGroup = nullptr;
    SpansEditor *spansEditor = nullptr;
    QPushButton *pasteButton = nullptr;
    QPushButton *importButton = nullptr;
    QPushButton *insertSpanButton = nullptr;
    QPushButton *deleteSpanButton = nullptr;

    QGroupBox *temperaturesGroup = nullptr;
    QLabel *fromLabel = nullptr;
    QLabel *toLabel = nullptr;
    QLabel *stepLabel = nullptr;
    DecimalField *fromField = nullptr;
    DecimalField *toField = nullptr;
    DecimalField *stepField = nullptr;

    QLabel *summary = nullptr; // reduced span, initial state, wire
    QLabel *message = nullptr; // why there is no table
    // Shown while the table's initial state strains the wire beyond a permissible stress at
    // l_r in a design mode; its tooltip names the modes, stresses and limits.
    QLabel *overLimit = nullptr;
    QTabWidget *tabs = nullptr;
    QTableWidget *resultTable = nullptr;
    QChartView *chartView = nullptr;

    QPushButton *exportButton = nullptr;
    QPushButton *copyButton = nullptr;
    QPushButton *printButton = nullptr;
    QPushButton *closeButton = nullptr;

    void setupUi(QDialog *form);
    // Every text in the current language.
    void retranslateUi(QDialog *form);
};

} // namespace velmora
