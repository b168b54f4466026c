#pragma once

#include "catalogue/wires.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class ProgramContext;

// The modal editor of one catalogue wire, for a new wire or an existing one. The number
// fields take any text; "," or "." is the decimal point and exponents are allowed
// ("1,92E-5"). Numbers are converted when the user confirms: a field that does not convert,
// or a size, weight or modulus of 0 or below, shows a message naming the field and the
// editor stays open, so nothing typed is lost.
class TFormWiresEdit : public QDialog
{
    Q_OBJECT

public:
    // The modulus in program's units, the groups in its language.
    explicit TFormWiresEdit(const ProgramContext &program, QWidget *parent = nullptr);

    // Fills the fields from rec: numbers in the shared number text format, the modulus in the
    // shown units (× the force factor), group item Group − 1 (the seventh for Group 0, none above
    // 7).
    void LoadWire(const TWireRec &rec);
    // Reads the fields into rec: Name cut to 16 characters, the modulus ÷ the force factor back to
    // daN/mm², Group = item + 1 or 0 with no item. Throws ConversionError with the text of
    // "Field_not_number" for a field that does not convert; rec is then unchanged.
    void StoreWire(TWireRec &rec) const;
    // The refusal of the first field in order that does not convert or is 0 or below
    // (diameter, section, weight, modulus); the empty text when the wire can be stored.
    QString InputError() const;

    // Controls, for the catalogue window's tests and the screenshots.
    QLineEdit *NameField() const { return m_name; }
    QLineEdit *DiamField() const { return m_diam; }
    QLineEdit *SechField() const { return m_sech; }
    QLineEdit *PNagField() const { return m_pnag; }
    QLineEdit *ModlField() const { return m_modl; }
    QLineEdit *KoefField() const { return m_koef; }
    QComboBox *GroupBox() const { return m_group; }
    QPushButton *OkButton() const { return m_ok; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void DiamChange(const QString &text);

private:
    const ProgramContext &m_program;
    void ApplyTexts();

    QGroupBox *m_frame = nullptr;
    QLabel *m_groupLabel = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLabel *m_diamLabel = nullptr;
    QLabel *m_sechLabel = nullptr;
    QLabel *m_pnagLabel = nullptr;
    QLabel *m_modlLabel = nullptr;
    QLabel *m_koefLabel = nullptr;
    QLabel *m_diamUnit = nullptr;
    QLabel *m_sechUnit = nullptr;
    QLabel *m_pnagUnit = nullptr;
    QLabel *m_modlUnit = nullptr;
    QComboBox *m_group = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_diam = nullptr;
    QLineEdit *m_sech = nullptr;
    QLineEdit *m_pnag = nullptr;
    QLineEdit *m_modl = nullptr;
    QLineEdit *m_koef = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_diamRefused = false; // the diameter's text is no number, and that was said
};

} // namespace velmora
