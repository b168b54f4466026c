#include "numberfields.h"

#include <QLineEdit>
#include <QLocale>

#include <cfloat>
#include <climits>

namespace velmora {

namespace {

// The most decimals a double spin box accepts; it then keeps any double exactly.
constexpr int ExactDecimals = DBL_MAX_10_EXP + DBL_DIG;
constexpr int ShownDigits = 9;

bool IsNumberCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')
        || c == QLatin1Char('-') || c == QLatin1Char('+') || c == QLatin1Char('e')
        || c == QLatin1Char('E');
}

} // namespace

QString DecimalText(double value)
{
    return QLocale::c().toString(value, 'g', ShownDigits);
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
}

QString DecimalField::textFromValue(double value) const
{
    return DecimalText(value);
}

double DecimalField::valueFromText(const QString &text) const
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? value : 0.0;
}

QValidator::State DecimalField::validate(QString &text, int &) const
{
    for (const QChar c : text) {
        if (!IsNumberCharacter(c) && !c.isSpace())
            return QValidator::Invalid;
    }
    return QValidator::Acceptable;
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

IntegerField::IntegerField(QWidget *parent)
    : QSpinBox(parent)
{
    setLocale(QLocale::c());
    setRange(INT_MIN, INT_MAX);
    setSingleStep(1);
    setKeyboardTracking(false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(lineEdit(), &QLineEdit::textEdited, this, &IntegerField::Edited);
}

int IntegerField::TypedValue() const
{
    QString typed = text();
    int pos = 0;
    if (validate(typed, pos) != QValidator::Acceptable)
        return value(); // the field goes back to its value when it is left
    return valueFromText(typed);
}

} // namespace velmora
