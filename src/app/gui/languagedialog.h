#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

namespace velmora {

class ProgramContext;

// The language dialog: fixed texts in both languages, a choice of English or Russian. The
// list starts on Russian and later keeps the item last chosen; it is not set from the
// current language. OK sets the chosen language in the program's context (which stores it).
class TLanguageDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TLanguageDialog(ProgramContext &program, QWidget *parent = nullptr);

    QComboBox *List() const { return m_list; }

    void accept() override;

private:
    ProgramContext &m_program;
    QComboBox *m_list = nullptr;
};

} // namespace velmora
