#pragma once

#include <QDoubleSpinBox>
#include <QSpinBox>

#include <optional>

namespace velmora {

// A decimal field with up/down buttons: shows its value in general form with at most nine
// significant digits and "." as the point, whatever the locale; takes "," or "." as the
// point (a typed "," shows as "."); a keystroke that would leave no number refused with a
// tip that says what the field takes; an unfinished number ("", "-", "1e") reads as 0; no
// bounds. The value set is kept exactly until the user edits the text, so showing and
// taking a project changes nothing.
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

// A decimal field with a fixed number of decimals and bounds, by Qt's own rules, that also
// takes "," as the point and says why when it refuses a keystroke.
class FixedDecimalField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    FixedDecimalField(int decimals, double low, double high, QWidget *parent = nullptr);

    double valueFromText(const QString &text) const override;
    QValidator::State validate(QString &text, int &pos) const override;
};

// A whole-number field with up/down buttons, no bounds within the 32-bit range. A decimal
// point or anything else but digits and a sign is refused with a tip.
class IntegerField : public QSpinBox
{
    Q_OBJECT

public:
    explicit IntegerField(QWidget *parent = nullptr);

    QValidator::State validate(QString &text, int &pos) const override;

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

// The number of a text as a person types it: "," or "." as the point, sign, exponent,
// blanks around ("40,5", "1.92E-5"); nothing for any other text.
std::optional<double> ReadDecimal(const QString &text);

// Whether more typing at the end can still make text a number ("", "-", "1e", "2,").
bool IsUnfinishedDecimal(const QString &text);

// A label's text as a field's name in a message: without "&", the closing ":" and line
// breaks ("Ice thickness:" -> "Ice thickness").
QString FieldName(const QString &labelText);

} // namespace velmora
