#pragma once

#include <QDoubleSpinBox>
#include <QSpinBox>

namespace velmora {

// A decimal field with up/down buttons: shows its value in general form with at most nine
// significant digits and "." as the point, whatever the locale; takes number characters
// only; a text that is not a number reads as 0; no bounds. The value set is kept exactly
// until the user edits the text, so showing and taking a project changes nothing.
class DecimalField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit DecimalField(double step, QWidget *parent = nullptr);

    QString textFromValue(double value) const override;
    double valueFromText(const QString &text) const override;
    QValidator::State validate(QString &text, int &pos) const override;
    void fixup(QString &input) const override;

    // Takes text the user typed but did not confirm yet (no Enter, no focus change). A text
    // that still shows the value unchanged leaves the exact value alone.
    void Commit();
    // The value Commit would give, without touching the text being typed.
    double TypedValue() const;

signals:
    // The user changed the text (each keystroke, paste, undo).
    void Edited();
};

// A whole-number field with up/down buttons, no bounds within the 32-bit range.
class IntegerField : public QSpinBox
{
    Q_OBJECT

public:
    explicit IntegerField(QWidget *parent = nullptr);

    // Takes text the user typed but did not confirm yet.
    void Commit() { interpretText(); }
    // The value Commit would give, without touching the text being typed.
    int TypedValue() const;

signals:
    // The user changed the text (each keystroke, paste, undo).
    void Edited();
};

// The text of a decimal value as the fields show it ("1.5", "-50", "0.333333333").
QString DecimalText(double value);

} // namespace velmora
