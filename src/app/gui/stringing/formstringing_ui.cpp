#include "gui/stringing/formstringing_ui.h"

#include "gui/numberfields.h"
#include "gui/stringing/spanseditor.h"
#include "gui/uitext.h"

#include <QAction>
#include <QChartView>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velmora {

namespace {

QPushButton *Button(const char *name, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

DecimalField *TemperatureField(const char *name, QWidget *parent)
{
    auto *field = new DecimalField(1, parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setFixedWidth(90);
    return field;
}

} // namespace

void Ui_FormStringing::setupUi(QDialog *form)
{
    form->setObjectName(QStringLiteral("FormStringing"));

    sectionsGroup = new QGroupBox(form);
    sectionList = new QListWidget(sectionsGroup);
    sectionList->setObjectName(QStringLiteral("SectionList"));
    addButton = Button("AddSection", sectionsGroup);
    renameButton = Button("RenameSection", sectionsGroup);
    duplicateButton = Button("DuplicateSection", sectionsGroup);
    deleteButton = Button("DeleteSection", sectionsGroup);
    auto *sectionButtons = new QGridLayout;
    sectionButtons->addWidget(addButton, 0, 0);
    sectionButtons->addWidget(renameButton, 0, 1);
    sectionButtons->addWidget(duplicateButton, 1, 0);
    sectionButtons->addWidget(deleteButton, 1, 1);
    auto *sectionsLayout = new QVBoxLayout(sectionsGroup);
    sectionsLayout->addWidget(sectionList, 1);
    sectionsLayout->addLayout(sectionButtons);

    spansGroup = new QGroupBox(form);
    spansEditor = new SpansEditor(spansGroup);
    spansEditor->setObjectName(QStringLiteral("SpansEditor"));
    pasteButton = Button("PasteSpans", spansGroup);
    importButton = Button("ImportSpans", spansGroup);
    insertSpanButton = Button("InsertSpanButton", spansGroup);
    deleteSpanButton = Button("DeleteSpanButton", spansGroup);
    auto *spanButtons = new QGridLayout;
    spanButtons->addWidget(insertSpanButton, 0, 0);
    spanButtons->addWidget(deleteSpanButton, 0, 1);
    spanButtons->addWidget(pasteButton, 1, 0);
    spanButtons->addWidget(importButton, 1, 1);
    auto *spansLayout = new QVBoxLayout(spansGroup);
    spansLayout->addWidget(spansEditor, 1);
    spansLayout->addLayout(spanButtons);

    temperaturesGroup = new QGroupBox(form);
    fromLabel = new QLabel(temperaturesGroup);
    toLabel = new QLabel(temperaturesGroup);
    stepLabel = new QLabel(temperaturesGroup);
    fromField = TemperatureField("TFrom", temperaturesGroup);
    toField = TemperatureField("TTo", temperaturesGroup);
    stepField = TemperatureField("TStep", temperaturesGroup);
    fromLabel->setBuddy(fromField);
    toLabel->setBuddy(toField);
    stepLabel->setBuddy(stepField);
    auto *temperatures = new QGridLayout(temperaturesGroup);
    temperatures->addWidget(fromLabel, 0, 0);
    temperatures->addWidget(fromField, 0, 1);
    temperatures->addWidget(toLabel, 1, 0);
    temperatures->addWidget(toField, 1, 1);
    temperatures->addWidget(stepLabel, 2, 0);
    temperatures->addWidget(stepField, 2, 1);
    temperatures->setColumnStretch(0, 1);

    auto *left = new QVBoxLayout;
    left->addWidget(sectionsGroup, 2);
    left->addWidget(spansGroup, 3);
    left->addWidget(temperaturesGroup);

    summary = new QLabel(form);
    summary->setObjectName(QStringLiteral("Summary"));
    summary->setWordWrap(true);
    message = new QLabel(form);
    message->setObjectName(QStringLiteral("Message"));
    message->setWordWrap(true);
    message->setStyleSheet(QStringLiteral("color: #b00000;"));
    overLimit = new QLabel(form);
    overLimit->setObjectName(QStringLiteral("OverLimit"));
    overLimit->setWordWrap(true);
    overLimit->setStyleSheet(QStringLiteral("background: #ffc8c8; padding: 2px;"));
    overLimit->hide();
    tabs = new QTabWidget(form);
    tabs->setObjectName(QStringLiteral("Tabs"));
    resultTable = new QTableWidget(tabs);
    resultTable->setObjectName(QStringLiteral("ResultTable"));
    resultTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultTable->verticalHeader()->hide();
    resultTable->verticalHeader()->setDefaultSectionSize(resultTable->fontMetrics().height() + 6);
    chartView = new QChartView(tabs);
    chartView->setObjectName(QStringLiteral("SagChart"));
    chartView->setRenderHint(QPainter::Antialiasing);
    tabs->addTab(resultTable, QString());
    tabs->addTab(chartView, QString());

    exportButton = Button("ExportStringing", form);
    copyButton = Button("CopyTable", form);
    printButton = Button("PrintTable", form);
    closeButton = Button("CloseStringing", form);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(exportButton);
    buttons->addWidget(copyButton);
    buttons->addWidget(printButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);

    auto *right = new QVBoxLayout;
    right->addWidget(summary);
    right->addWidget(message);
    right->addWidget(overLimit);
    right->addWidget(tabs, 1);
    right->addLayout(buttons);

    auto *layout = new QHBoxLayout(form);
    layout->addLayout(left, 0);
    layout->addLayout(right, 1);
    form->resize(1120, 680);
}

void Ui_FormStringing::retranslateUi(QDialog *form)
{
    form->setWindowTitle(UiText("Stringing_tables"));
    sectionsGroup->setTitle(UiText("Anchor_sections"));
    addButton->setText(UiText("Add_section"));
    renameButton->setText(UiText("Rename_section"));
    duplicateButton->setText(UiText("Duplicate_section"));
    deleteButton->setText(UiText("Delete"));
    spansGroup->setTitle(UiText("Section_spans"));
    spansEditor->setHorizontalHeaderLabels({UiText("Span_m")});
    pasteButton->setText(UiText("Paste_spans"));
    importButton->setText(UiText("Import_spans"));
    insertSpanButton->setText(UiText("Insert_span"));
    deleteSpanButton->setText(UiText("Delete_span"));
    spansEditor->InsertAction()->setText(UiText("Insert_span"));
    spansEditor->DeleteAction()->setText(UiText("Delete_span"));
    temperaturesGroup->setTitle(UiText("Stringing_temperatures"));
    fromLabel->setText(UiText("From_"));
    toLabel->setText(UiText("To_"));
    stepLabel->setText(UiText("Step_"));
    tabs->setTabText(0, UiText("Table_tab"));
    tabs->setTabText(1, UiText("Plot_tab"));
    exportButton->setText(UiText("Stringing_to_Excel"));
    copyButton->setText(UiText("Copy_table"));
    printButton->setText(UiText("Print_table"));
    closeButton->setText(UiText("Close"));
}

} // namespace velmora
