#pragma once

#include <QDoubleSpinBox>
#include <QSpinBox>

#include <optional>

class QLabel;

namespace velmora {

// What a field says beside itself: a problem of its own text (it holds no value), else a
// warning about its value given from outside; both shown by highlighting the field and in
// its note, a label the window places by the field.
class FieldNote
{
public:
    explicit FieldNote(QAbstractSpinBox *field)
        : m_field(field)
    {
    }
    void SetLabel(QLabel *label);
    void SetProblem(const QString &problem);
    void SetWarning(const QString &warning);
    QString Problem() const { return m_problem; }
    QString Warning() const { return m_warning; }

private:
    void Show();

    QAbstractSpinBox *m_field;
    QLabel *m_label = nullptr;
    QString m_problem;
    QString m_warning;
};

// A decimal field with up/down buttons: shows its value in general form with at most nine
// significant digits and "." as the point, whatever the locale; takes "," or "." as the
// point (a typed "," shows as "."); a keystroke that would leave no number refused with a
// tip that says what the field takes; no bounds. An unfinished number ("", "-", "1e") stays
// as typed, the field marked as holding no value (its note says why) and its value
// unchanged, until the text is a number again or a value is set. The value set is kept
// exactly until the user edits the text, so showing and taking a project changes nothing.
class DecimalField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit DecimalField(double step, QWidget *parent = nullptr);

    QString textFromValue(double value) const override;
    double valueFromText(const QString &text) const override;
    QValidator::State validate(QString &text, int &pos) const override;
    void fixup(QString &input) const override;

    // Shows value, dropping any text held as typed.
    void setValue(double value);
    void stepBy(int steps) override;

    // Takes text the user typed but did not confirm yet (no Enter, no focus change). A text
    // that still shows the value unchanged leaves the exact value alone.
    void Commit();
    // The value Commit would give, without touching the text being typed; the value as it
    // was while the text holds none.
    double TypedValue() const;
    // False while the text typed holds no number.
    bool HoldsValue() const { return !m_held; }
    FieldNote &Note() { return m_note; }

signals:
    // The user changed the text (each keystroke, paste, undo).
    void Edited();

private:
    void TakeEdit(const QString &text);

    std::optional<QString> m_held; // text typed that holds no number
    double m_heldValue = 0; // the value while it is held
    FieldNote m_note {this};
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

// A whole-number field with up/down buttons, no bounds within the 32-bit range. Anything but
// digits, a sign, blanks and a decimal point ("," or ".") is refused with a tip. A text that
// is no whole number ("2,5", "", "-") stays as typed, the field marked as holding no value
// (its note says "whole metres only", or that a value is needed) and its value unchanged,
// until the text is a whole number again or a value is set.
class IntegerField : public QSpinBox
{
    Q_OBJECT

public:
    explicit IntegerField(QWidget *parent = nullptr);

    QValidator::State validate(QString &text, int &pos) const override;
    void fixup(QString &input) const override;
    QString textFromValue(int value) const override;
    // Shows value, dropping any text held as typed.
    void setValue(int value);
    void stepBy(int steps) override;

    // Takes text the user typed but did not confirm yet.
    void Commit();
    // The value Commit would give, without touching the text being typed; the value as it
    // was while the text holds none.
    int TypedValue() const;
    // False while the text typed holds no whole number.
    bool HoldsValue() const { return !m_held; }
    FieldNote &Note() { return m_note; }

signals:
    // The user changed the text (each keystroke, paste, undo).
    void Edited();

private:
    void TakeEdit(const QString &text);

    std::optional<QString> m_held;
    int m_heldValue = 0;
    FieldNote m_note {this};
};

// The problem of a field's text, in the current language ("whole metres only"); empty when
// the field holds a value or is of another kind.
QString FieldProblem(QAbstractSpinBox *field);

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
