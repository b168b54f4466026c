#pragma once

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace velmora {

// The units dialog: daN-based or N/kN-based units. Shows the stored mode each time it opens;
// OK stores the chosen mode (SetUnits).
class TFormUnitsDlg : public QDialog
{
    Q_OBJECT

public:
    // Registers the dialog's two string-table entries.
    explicit TFormUnitsDlg(QWidget *parent = nullptr);

    // Texts in the current language and the stored mode selected; before each showing.
    void Prepare();
    QRadioButton *Choice(int mode) const { return mode == 0 ? m_daN : m_N; }

    void accept() override;

private:
    QGroupBox *m_group = nullptr;
    QRadioButton *m_daN = nullptr;
    QRadioButton *m_N = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace velmora
