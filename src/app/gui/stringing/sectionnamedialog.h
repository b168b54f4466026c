#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace velmora {

// Asks for the name of an anchor section: a line of at most MaxSectionNameLength characters,
// OK and Cancel.
class TSectionNameDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TSectionNameDialog(QWidget *parent = nullptr);

    // Shows name, all of it selected, with the texts of the current language.
    void Prepare(const QString &name);
    QString Name() const;
    QLineEdit *NameField() const { return m_name; }
    // Refuses a name with characters the project file (Windows-1251) cannot hold.
    void accept() override;

private:
    QLabel *m_label = nullptr;
    QLineEdit *m_name = nullptr;
};

} // namespace velmora
