#include "gui/numberfields.h"

#include "common/error.h"
#include "common/numtext.h"
#include "gui/uitext.h"

#include <QLabel>
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

const char *const ProblemStyle = "QAbstractSpinBox { background: #ffd9d9; }";
const char *const WarningStyle = "QAbstractSpinBox { background: #fff1b8; }";

} // namespace

void FieldNote::SetLabel(QLabel *label)
{
    m_label = label;
    if (m_label) {
        m_label->setWordWrap(true);
        QFont small = m_label->font();
        small.setPointSizeF(small.pointSizeF() * 0.9);
        m_label->setFont(small);
    }
    Show();
}

void FieldNote::SetProblem(const QString &problem)
{
    if (problem == m_problem)
        return;
    m_problem = problem;
    Show();
}

void FieldNote::SetWarning(const QString &warning)
{
    if (warning == m_warning)
        return;
    m_warning = warning;
    Show();
}

void FieldNote::Show()
{
    const QString &text = m_problem.isEmpty() ? m_warning : m_problem;
    m_field->setStyleSheet(m_problem.isEmpty()
                               ? (m_warning.isEmpty() ? QString() : QLatin1String(WarningStyle))
                               : QLatin1String(ProblemStyle));
    m_field->setToolTip(text);
    if (m_label) {
        m_label->setText(text);
        m_label->setStyleSheet(m_problem.isEmpty() ? QStringLiteral("color: #7a4b00;")
                                                   : QStringLiteral("color: #b00000;"));
        m_label->setVisible(!text.isEmpty());
    }
}

QString FieldProblem(QAbstractSpinBox *field)
{
    if (auto *decimal = qobject_cast<DecimalField *>(field))
        return decimal->Note().Problem();
    if (auto *integer = qobject_cast<IntegerField *>(field))
        return integer->Note().Problem();
    return {};
}

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
    // A text that holds no number keeps the value as it was.
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(lineEdit(), &QLineEdit::textEdited, this, &DecimalField::TakeEdit);
    // A value set through the base class ends the held text too.
    connect(this, &QDoubleSpinBox::valueChanged, this, [this](double value) {
        if (m_held && value != m_heldValue) {
            m_held.reset();
            m_note.SetProblem({});
        }
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, &DecimalField::Edited);
    SayWhyRefused(this, lineEdit(), "Number_only");
}

QString DecimalField::textFromValue(double value) const
{
    // The text held stays shown while the value is the one it was held at.
    if (m_held && value == m_heldValue)
        return *m_held;
    return DecimalText(value);
}

void DecimalField::setValue(double value)
{
    m_held.reset();
    m_note.SetProblem({});
    QDoubleSpinBox::setValue(value);
}

void DecimalField::stepBy(int steps)
{
    if (m_held) {
        m_held.reset();
        m_note.SetProblem({});
    }
    QDoubleSpinBox::stepBy(steps);
}

void DecimalField::TakeEdit(const QString &text)
{
    QString typed = text;
    int pos = 0;
    if (validate(typed, pos) == QValidator::Acceptable) {
        m_held.reset();
        m_note.SetProblem({});
        return;
    }
    m_held = text;
    m_heldValue = value();
    m_note.SetProblem(UiText(text.trimmed().isEmpty() ? "Value_needed" : "Number_needed"));
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

void DecimalField::fixup(QString &) const
{
    // An unfinished number stays as typed (TakeEdit holds it).
}

void DecimalField::Commit()
{
    if (!m_held && text() != textFromValue(value()))
        interpretText();
}

double DecimalField::TypedValue() const
{
    QString typed = text();
    int pos = 0;
    if (m_held || typed == textFromValue(value()) || validate(typed, pos) != QValidator::Acceptable)
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
    // A text that holds no whole number keeps the value as it was.
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(lineEdit(), &QLineEdit::textEdited, this, &IntegerField::TakeEdit);
    connect(this, &QSpinBox::valueChanged, this, [this](int value) {
        if (m_held && value != m_heldValue) {
            m_held.reset();
            m_note.SetProblem({});
        }
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, &IntegerField::Edited);
    SayWhyRefused(this, lineEdit(), "Whole_number_only");
}

int IntegerField::TypedValue() const
{
    QString typed = text();
    int pos = 0;
    if (m_held || validate(typed, pos) != QValidator::Acceptable)
        return value();
    return valueFromText(typed);
}

QValidator::State IntegerField::validate(QString &text, int &pos) const
{
    bool point = false;
    for (const QChar c : std::as_const(text)) {
        if (c == QLatin1Char(',') || c == QLatin1Char('.'))
            point = true;
        else if (!c.isDigit() && c != QLatin1Char('-') && c != QLatin1Char('+') && !c.isSpace())
            return QValidator::Invalid;
    }
    // The C locale would read "," as a group separator: "2,5" would become 25. A decimal
    // point is kept as typed, and the field holds no value until it goes.
    if (point)
        return QValidator::Intermediate;
    return QSpinBox::validate(text, pos);
}

void IntegerField::fixup(QString &) const
{
    // No correction: QSpinBox's would drop "," as a group separator ("2,5" -> 25).
}

QString IntegerField::textFromValue(int value) const
{
    if (m_held && value == m_heldValue)
        return *m_held;
    return QSpinBox::textFromValue(value);
}

void IntegerField::setValue(int value)
{
    m_held.reset();
    m_note.SetProblem({});
    QSpinBox::setValue(value);
}

void IntegerField::stepBy(int steps)
{
    if (m_held) {
        m_held.reset();
        m_note.SetProblem({});
    }
    QSpinBox::stepBy(steps);
}

void IntegerField::Commit()
{
    if (!m_held)
        interpretText();
}

void IntegerField::TakeEdit(const QString &text)
{
    QString typed = text;
    int pos = 0;
    if (validate(typed, pos) == QValidator::Acceptable) {
        m_held.reset();
        m_note.SetProblem({});
        return;
    }
    m_held = text;
    m_heldValue = value();
    m_note.SetProblem(UiText(text.trimmed().isEmpty() ? "Value_needed" : "Whole_metres_only"));
}

} // namespace velmora
