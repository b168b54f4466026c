#pragma once

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace velmora {

class ProgramContext;

// The units dialog: daN-based or N/kN-based units. Shows the program's mode each time it opens;
// OK sets the chosen mode in the program's context (which stores it).
class TFormUnitsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TFormUnitsDlg(ProgramContext &program, QWidget *parent = nullptr);

    // Texts in the program's language and its mode selected; before each showing.
    void Prepare();
    QRadioButton *Choice(int mode) const { return mode == 0 ? m_daN : m_N; }

    void accept() override;

private:
    ProgramContext &m_program;
    QGroupBox *m_group = nullptr;
    QRadioButton *m_daN = nullptr;
    QRadioButton *m_N = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace velmora
