#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmora {

// The save-changes prompt before new, open and quit: a centred label and the buttons Save,
// Don't save and Cancel in the current language. Save is the default button every time the
// prompt shows, so Enter never throws the changes away. Its creation registers its entries.
class TFormSave_Project : public QDialog
{
    Q_OBJECT

public:
    // The prompt's results. Cancel, Escape and the close box give Cancelled: the action that
    // asked is called off.
    enum Answer { Cancelled = QDialog::Rejected, SaveChanges = QDialog::Accepted, DiscardChanges };

    explicit TFormSave_Project(QWidget *parent = nullptr);

    // Texts in the current language; called before each showing.
    void PrepareTexts();

    QPushButton *ButSave() const { return m_butSave; }
    QPushButton *ButDontSave() const { return m_butDontSave; }
    QPushButton *ButCancel() const { return m_butCancel; }
    QString LabelText() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_label1 = nullptr;
    QPushButton *m_butSave = nullptr;
    QPushButton *m_butDontSave = nullptr;
    QPushButton *m_butCancel = nullptr;
};

} // namespace velmora
