#pragma once

#include "catalogue/wires.h"

#include <QDialog>

#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;

namespace velmora {

class ProgramContext;

class TFormWiresEdit;

// The catalogue window: the wires of the program's catalogue in a six-column grid filtered by group
// and by a part of the name. It manages the catalogue (modeless: create, edit, delete, export,
// import, restore the shipped catalogue) or picks the project's wire (modal). Its creation
// loads the catalogue; every change writes it to its file at once, and the main window calls
// SaveIfModified when it closes.
class TFormWiresBase : public QDialog
{
    Q_OBJECT

public:
    // Prepares the data folder under commonDataDir, copies the catalogue shipped in appDir
    // when the data folder has none, loads it into program's catalogue and sorts it by name
    // (OpenCatalogue); the window shows it in program's language and units. Throws Error when
    // the catalogue file cannot be read or created.
    TFormWiresBase(ProgramContext &program, const std::string &commonDataDir,
                   const std::string &appDir, QWidget *parent = nullptr);

    // Shows the window for managing the catalogue, beside the main window, with an empty name
    // filter.
    void Manage();
    // Shows the window modally for picking a wire; true when the user selected one (then ask
    // SelectedWire). A window open for managing is closed first and reopened for picking.
    // The row of currentName (the project's wire) is selected when the window shows; the
    // name filter starts empty, and a group filter that hides that wire shows the whole
    // catalogue instead. The name filter has the keyboard: typing narrows the list, the arrow
    // keys move in it, Enter picks.
    bool Pick(const std::string &currentName = {});
    bool SelectMode() const { return m_selectMode; }

    // The record of the wire in the selected row, looked up by its name in the whole
    // catalogue (the first record of that name); the empty record when the row shows no wire.
    TWireRec SelectedWire() const;
    // Number of changes since the catalogue was loaded (sorting is none; an import sets 1).
    int Modified() const { return m_modified; }
    // Writes the catalogue to its file when it was changed. Throws Error naming the file.
    void SaveIfModified();

    TFormWiresEdit *Editor() const { return m_editor; }
    QTableWidget *Grid() const { return m_grid; }
    QComboBox *Filter() const { return m_filter; }
    QLineEdit *NameFilter() const { return m_nameFilter; }

signals:
    // After a wire was created, edited or deleted and after an import or a restore: the
    // calculations and drawings of the open project may come out otherwise now.
    void CatalogueChanged();

public slots:
    void CreateClick();
    void EditClick();
    void DeleteClick();
    void ExportClick();
    void ImportClick();
    void RestoreClick();
    void SelectClick();
    void HeadingClick(int column);
    void FilterChange(int index);
    void NameFilterChange();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ProgramContext &m_program;
    void ApplyTexts();
    void ClearNameFilter();
    void RefillGrid();
    void ShowWireInRow(int row, const TWireRec &rec);
    void UpdateButtons();
    void SelectRow(int row);
    bool SelectName(const std::string &name);
    bool Shows(const TWireRec &rec) const;
    int SelectedRow() const;
    std::string SelectedName() const;

    TFormWiresEdit *m_editor = nullptr;
    std::string m_appDir;
    std::string m_preselect; // the wire to select when the picker shows
    bool m_selectMode = false;
    int m_modified = 0;
    // Records a change (modified is the new count), writes the catalogue, tells the windows.
    void Changed(int modified);
    int m_filterIndex = 0;

    QGroupBox *m_wireFrame = nullptr;
    QGroupBox *m_groupFrame = nullptr;
    QComboBox *m_filter = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLineEdit *m_nameFilter = nullptr;
    QTableWidget *m_grid = nullptr;
    QMenu *m_menu = nullptr;
    QPushButton *m_select = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_create = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_import = nullptr;
    QPushButton *m_restore = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace velmora
