#pragma once

// The main window's widgets and texts, apart from its behaviour (formmain.cpp), in the shape
// of the classes Qt Designer generates: setupUi builds, retranslateUi sets the texts. Object
// names are the ones the tests and the settings know the widgets by.

#include "gui/unitsmode.h"

#include <QList>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

namespace velmora {

class DecimalField;
class IntegerField;

// The pages of the tension tabs, as the project file's NaprPage numbers them.
enum class NaprPage {
    Stresses = 0, // daN/mm²: Napr_Max, Napr_srg
    Forces = 1, // daN: Tag_Max, Tag_Srg
};

// A stored NaprPage: 1 is the forces page, any other number the stresses page.
inline NaprPage NaprPageOf(int stored)
{
    return stored == static_cast<int>(NaprPage::Forces) ? NaprPage::Forces : NaprPage::Stresses;
}

struct Ui_FormMain
{
    // A field's caption and unit, found by the caption's string-table key.
    struct Row
    {
        const char *labelKey;
        QLabel *label; // its buddy is the field
        QLabel *unit;
        QLabel *note; // below the field: why it holds no value, or a warning (FieldNote)
    };

    QAction *actProjectNew;
    QAction *actProjectOpen;
    QAction *actProjectSave;
    QAction *actProjectSaveAs;
    QAction *actExit;
    QAction *actCalcProject;
    QAction *actWiresGuide;
    QAction *actCad;
    QAction *actStringing;
    QAction *actProfile;
    QAction *actSettingLanguage;
    QAction *actUnits;
    QAction *actHelp;
    QAction *actAbout;
    QAction *actClearRecent;
    QMenu *miProject;
    QMenu *miRecent; // the recent projects' entries (filled by the window), then actClearRecent
    QMenu *miCalculation;
    QMenu *miReference;
    QMenu *miCad;
    QMenu *miSetting;
    QMenu *miHelp;
    QMenu *miView;

    QLabel *panelProjectName;
    QGroupBox *climaticGroup;
    QGroupBox *designGroup;
    QGroupBox *spansGroup;
    QGroupBox *rgCalcRegime;
    QButtonGroup *regimeButtons; // ids are RegimeChoice values
    QRadioButton *regimeDimensional;
    QRadioButton *regimeAll;
    QTabWidget *pcNapr; // pages in NaprPage order
    QPushButton *butKlimatParam;
    QLabel *provodLabel;
    QLineEdit *provod;
    QToolButton *provodButton;
    QLabel *statusText;
    QLabel *statusLink;

    DecimalField *tMax, *tMin, *tSrg, *tvmax, *tGbw, *tGsw, *vMax, *vgol, *tols;
    DecimalField *naprMax, *naprSrg, *tagMax, *tagSrg;
    IntegerField *minProl, *maxProl, *shag;
    QList<Row> rows;
    QLabel *labUnitNaprMax, *labUnitNaprSrg, *labDaN1, *labDaN2;
    QList<QLabel *> velocityUnits, mmUnits, meterUnits;

    void setupUi(QMainWindow *FormMain);
    // The texts of the language in force; the title is the window's own (it names the project).
    void retranslateUi(QMainWindow *FormMain);
    // The units of the tension tabs in the given mode.
    void retranslateUnits(UnitsMode mode);

private:
    void setupActions(QMainWindow *FormMain);
    void setupMenusAndToolbar(QMainWindow *FormMain);
    QGroupBox *setupClimaticGroup(QMainWindow *FormMain);
    QGroupBox *setupDesignGroup(QMainWindow *FormMain);
    void setupTensionTabs();
    void setupStatusBar(QMainWindow *FormMain);
};

} // namespace velmora
