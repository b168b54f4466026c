#include "gui/numberfields.h"

#include "common/error.h"
#include "common/numtext.h"
#include "gui/uitext.h"

#include <QLineEdit>
#include <QLocale>
#include <QToolTip>

#include <cfloat>
#include <climits>

namespace velmora {

namespace {

// The most decimals a double spin box accepts; it then keeps any double exactly.
constexpr int ExactDecimals = DBL_MAX_10_EXP + DBL_DIG;
constexpr int ShownDigits = 9;

QString WithPoint(QString text)
{
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

// A refused keystroke is said at the field, so no character goes missing unnoticed.
void SayWhyRefused(QAbstractSpinBox *field, QLineEdit *edit, const char *key)
{
    QObject::connect(edit, &QLineEdit::inputRejected, field, [field, key] {
        QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), UiText(key), field);
    });
}

} // namespace

QString DecimalText(double value)
{
    return QLocale::c().toString(value, 'g', ShownDigits);
}

std::optional<double> ReadDecimal(const QString &text)
{
    try {
        return ParseDecimal(text.toStdString());
    } catch (const ConversionError &) {
        return std::nullopt;
    }
}

bool IsUnfinishedDecimal(const QString &text)
{
    // Every prefix of a number becomes one when a digit follows it.
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() || ReadDecimal(trimmed + QLatin1Char('0')).has_value();
}

QString FieldName(const QString &labelText)
{
    QString name = labelText;
    name.remove(QLatin1Char('&'));
    name.replace(QLatin1Char('\n'), QLatin1Char(' '));
    name = name.simplified();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

DecimalField::DecimalField(double step, QWidget *parent)
    : QDoubleSpinBox(parent)
{
    setLocale(QLocale::c());
    setDecimals(ExactDecimals);
    setRange(-DBL_MAX, DBL_MAX);
    setSingleStep(step);
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(lineEdit(), &QLineEdit::textEdited, this, &DecimalField::Edited);
    SayWhyRefused(this, lineEdit(), "Number_only");
}

QString DecimalField::textFromValue(double value) const
{
    return DecimalText(value);
}

double DecimalField::valueFromText(const QString &text) const
{
    return ReadDecimal(text).value_or(0.0);
}

QValidator::State DecimalField::validate(QString &text, int &) const
{
    text = WithPoint(text);
    if (ReadDecimal(text))
        return QValidator::Acceptable;
    return IsUnfinishedDecimal(text) ? QValidator::Intermediate : QValidator::Invalid;
}

void DecimalField::fixup(QString &input) const
{
    input = DecimalText(valueFromText(input));
}

void DecimalField::Commit()
{
    if (text() != textFromValue(value()))
        interpretText();
}

double DecimalField::TypedValue() const
{
    QString typed = text();
    int pos = 0;
    if (typed == textFromValue(value()) || validate(typed, pos) != QValidator::Acceptable)
        return value();
    return valueFromText(typed);
}

FixedDecimalField::FixedDecimalField(int decimals, double low, double high, QWidget *parent)
    : QDoubleSpinBox(parent)
{
    setLocale(QLocale::c());
    setDecimals(decimals);
    setRange(low, high);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SayWhyRefused(this, lineEdit(), "Number_only");
}

double FixedDecimalField::valueFromText(const QString &text) const
{
    return QDoubleSpinBox::valueFromText(WithPoint(text));
}

QValidator::State FixedDecimalField::validate(QString &text, int &pos) const
{
    // The C locale would read "," as a group separator: "2,5" would become 25.
    text = WithPoint(text);
    return QDoubleSpinBox::validate(text, pos);
}

IntegerField::IntegerField(QWidget *parent)
    : QSpinBox(parent)
{
    setLocale(QLocale::c());
    setRange(INT_MIN, INT_MAX);
    setSingleStep(1);
    setKeyboardTracking(false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(lineEdit(), &QLineEdit::textEdited, this, &IntegerField::Edited);
    SayWhyRefused(this, lineEdit(), "Whole_number_only");
}

int IntegerField::TypedValue() const
{
    QString typed = text();
    int pos = 0;
    if (validate(typed, pos) != QValidator::Acceptable)
        return value(); // the field goes back to its value when it is left
    return valueFromText(typed);
}

QValidator::State IntegerField::validate(QString &text, int &pos) const
{
    // The C locale would read "," as a group separator: "100,5" would become 1005.
    for (const QChar c : std::as_const(text)) {
        if (!c.isDigit() && c != QLatin1Char('-') && c != QLatin1Char('+') && !c.isSpace())
            return QValidator::Invalid;
    }
    return QSpinBox::validate(text, pos);
}

} // namespace velmora
