#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

namespace velmora {

// The language dialog: fixed texts in both languages, a choice of English or Russian. The
// list starts on Russian and later keeps the item last chosen; it is not set from the
// current language. OK stores the chosen language (SetLanguage).
class TLanguageDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TLanguageDialog(QWidget *parent = nullptr);

    QComboBox *List() const { return m_list; }

    void accept() override;

private:
    QComboBox *m_list = nullptr;
};

} // namespace velmora
