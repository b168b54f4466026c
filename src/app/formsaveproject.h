#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmora {

// The save-changes prompt: a centred label and the buttons "ОК" and "Отмена" (the same
// captions in both languages). Accepted means "save the project".
class TFormSave_Project : public QDialog
{
    Q_OBJECT

public:
    explicit TFormSave_Project(QWidget *parent = nullptr);

    // Chooses the label's text by the current language; called before each showing.
    void PrepareTexts();

    QPushButton *ButOK() const { return m_butOK; }
    QPushButton *ButCancel() const { return m_butCancel; }
    QString LabelText() const;

private:
    QLabel *m_label1 = nullptr;
    QPushButton *m_butOK = nullptr;
    QPushButton *m_butCancel = nullptr;
};

} // namespace velmora
