#include "gui/catalogue/formwiresedit.h"

#include "catalogue/groups.h"
#include "common/cp1251.h"
#include "common/error.h"
#include "common/numtext.h"
#include "gui/fieldchecks.h"
#include "gui/numberfields.h"
#include "gui/prompts.h"
#include "gui/uitext.h"
#include "gui/unitsmode.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

// The number in a field, "," or "." as the point. Throws ConversionError naming the field.
double FieldNumber(const QLineEdit *field, const QLabel *label)
{
    if (const std::optional<double> value = ReadDecimal(field->text()))
        return *value;
    throw ConversionError(NotANumberText(FieldName(label->text()), field->text()).toStdString());
}

} // namespace

TFormWiresEdit::TFormWiresEdit(const ProgramContext &program, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName(QStringLiteral("FormWiresEdit"));
    setModal(true);

    m_frame = new QGroupBox(this);
    auto *grid = new QGridLayout(m_frame);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    auto addRow = [&](int row, QLabel *&label, QWidget *field, QLabel *unit) {
        label = new QLabel(m_frame);
        label->setBuddy(field);
        grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
        if (unit) {
            grid->addWidget(field, row, 1);
            grid->addWidget(unit, row, 2);
        } else {
            grid->addWidget(field, row, 1, 1, 3);
        }
    };
    auto numberField = [&] {
        auto *field = new QLineEdit(m_frame);
        field->setAlignment(Qt::AlignRight);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0.000000000"))
                             + 16);
        return field;
    };
    auto unitLabel = [&] {
        auto *label = new QLabel(m_frame);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("даН/мм²"))
                               + 6);
        return label;
    };

    m_group = new QComboBox(m_frame);
    m_group->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_name = new QLineEdit(m_frame);
    m_name->setMaxLength(static_cast<int>(kWireNameMax));
    m_diam = numberField();
    m_sech = numberField();
    m_pnag = numberField();
    m_modl = numberField();
    m_koef = numberField();
    m_diamUnit = unitLabel();
    m_sechUnit = unitLabel();
    m_pnagUnit = unitLabel();
    m_modlUnit = unitLabel();
    auto *koefUnit = unitLabel();
    koefUnit->setText(QStringLiteral("1/К"));

    addRow(0, m_groupLabel, m_group, nullptr);
    addRow(1, m_nameLabel, m_name, nullptr);
    addRow(2, m_diamLabel, m_diam, m_diamUnit);
    addRow(3, m_sechLabel, m_sech, m_sechUnit);
    addRow(4, m_pnagLabel, m_pnag, m_pnagUnit);
    addRow(5, m_modlLabel, m_modl, m_modlUnit);
    addRow(6, m_koefLabel, m_koef, koefUnit);
    grid->setColumnStretch(3, 1);

    m_ok = new QPushButton(QStringLiteral("ОК"), this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_frame);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &TFormWiresEdit::accept);
    connect(m_cancel, &QPushButton::clicked, this, &TFormWiresEdit::reject);
    connect(m_diam, &QLineEdit::textChanged, this, &TFormWiresEdit::DiamChange);
    ApplyTexts();
}

void TFormWiresEdit::ApplyTexts()
{
    setWindowTitle(UiText("Add_Edit"));
    m_frame->setTitle(UiText("Wire"));
    m_groupLabel->setText(UiText("Group"));
    m_nameLabel->setText(UiText("Type"));
    m_diamLabel->setText(UiText("Diameter"));
    m_sechLabel->setText(UiText("Sect_area"));
    m_pnagLabel->setText(UiText("Weight_per"));
    m_modlLabel->setText(UiText("Modulus"));
    m_koefLabel->setText(UiText("Linear_coef"));
    const QString raised2 = QStringLiteral("²");
    m_diamUnit->setText(UiText("mm"));
    m_sechUnit->setText(UiText("mm") + raised2);
    m_pnagUnit->setText(UiText("kg_m"));
    m_modlUnit->setText(UiText(m_program.Units() == UnitsMode::DaN ? "daN_mm" : "kN_mm") + raised2);
    m_cancel->setText(UiText("Cancel"));
}

void TFormWiresEdit::showEvent(QShowEvent *event)
{
    ApplyTexts();
    adjustSize();
    QDialog::showEvent(event);
}

void TFormWiresEdit::LoadWire(const TWireRec &rec)
{
    m_group->clear();
    for (int g = 1; g <= 7; ++g)
        m_group->addItem(QString::fromStdString(GroupName(g, m_program.Language())));
    m_name->setText(QString::fromStdString(rec.Name));
    m_diam->setText(QString::fromStdString(FormatNumber(rec.Diam)));
    m_sech->setText(QString::fromStdString(FormatNumber(rec.Sech)));
    m_pnag->setText(QString::fromStdString(FormatNumber(rec.PNag)));
    m_modl->setText(QString::fromStdString(FormatNumber(rec.Modl * m_program.Factors().force)));
    m_koef->setText(QString::fromStdString(FormatNumber(rec.Koef)));
    if (rec.Group == 0)
        m_group->setCurrentIndex(6);
    else if (rec.Group >= 1 && rec.Group <= 7)
        m_group->setCurrentIndex(rec.Group - 1);
    else
        m_group->setCurrentIndex(-1);
    m_name->setFocus();
}

void TFormWiresEdit::StoreWire(TWireRec &rec) const
{
    TWireRec stored = rec;
    stored.Name = Utf8Left(m_name->text().toStdString(), kWireNameMax);
    stored.Diam = FieldNumber(m_diam, m_diamLabel);
    stored.Sech = FieldNumber(m_sech, m_sechLabel);
    stored.PNag = FieldNumber(m_pnag, m_pnagLabel);
    stored.Modl = FieldNumber(m_modl, m_modlLabel) / m_program.Factors().force;
    stored.Koef = FieldNumber(m_koef, m_koefLabel);
    stored.Group = m_group->currentIndex() + 1;
    rec = stored;
}

QString TFormWiresEdit::InputError() const
{
    TWireRec probe;
    try {
        StoreWire(probe);
    } catch (const ConversionError &e) {
        return ErrorMessage(e);
    }
    const QString refusal = Cp1251Refusal(FieldName(m_nameLabel->text()), m_name->text());
    if (!refusal.isEmpty())
        return refusal;
    // The conversion refuses what is not finite; a wire has no size or weight of 0 or below.
    const std::pair<const QLabel *, double> sizes[] = {
        {m_diamLabel, probe.Diam},
        {m_sechLabel, probe.Sech},
        {m_pnagLabel, probe.PNag},
        {m_modlLabel, probe.Modl},
    };
    for (const auto &[label, value] : sizes) {
        if (value <= 0)
            return PositiveText(FieldName(label->text()));
    }
    return {};
}

void TFormWiresEdit::accept()
{
    const QString error = InputError();
    if (!error.isEmpty()) {
        CurrentPrompts().Error(error);
        return;
    }
    QDialog::accept();
}

void TFormWiresEdit::DiamChange(const QString &text)
{
    // Said once, when the text stops being a number, not again at every further keystroke.
    const bool refused = !ReadDecimal(text) && !IsUnfinishedDecimal(text);
    if (refused && !m_diamRefused)
        CurrentPrompts().Message(UiText("Error_data_entry"));
    m_diamRefused = refused;
}

} // namespace velmora
