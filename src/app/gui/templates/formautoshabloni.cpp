#include "gui/templates/formautoshabloni.h"

#include "gui/fieldchecks.h"
#include "gui/numberfields.h"
#include "gui/prompts.h"
#include "gui/templates/templatepreview.h"
#include "gui/uitext.h"
#include "l10n/localization.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velmora {

namespace {

// Items 2..10 of the temperature row; items 0 and 1 come from the string table.
const char *const kFixedTemperatures[] = {"-30", "-20", "-10", "0", "10", "15", "20", "30", "70"};

constexpr int FieldWidth = 110;

QSpinBox *NewIntegerField(QWidget *parent)
{
    auto *field = new IntegerField(parent);
    field->setKeyboardTracking(true);
    field->setFixedWidth(FieldWidth);
    return field;
}

QDoubleSpinBox *NewDecimalField(QWidget *parent, double low, double high)
{
    auto *field = new FixedDecimalField(2, low, high, parent);
    field->setSingleStep(0.5);
    field->setFixedWidth(FieldWidth);
    return field;
}

void LoadDecimal(QDoubleSpinBox *field, double value, double &loaded, double &shown)
{
    field->setValue(value);
    loaded = value;
    shown = field->value();
}

double StoredDecimal(const QDoubleSpinBox *field, double loaded, double shown)
{
    const bool untouched
        = field->value() == shown && loaded >= field->minimum() && loaded <= field->maximum();
    return untouched ? loaded : field->value();
}

// An exclusive group whose selection can also be cleared.
void ClearSelection(QButtonGroup *group)
{
    if (QAbstractButton *checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

} // namespace

TFormAutoShabloni::TFormAutoShabloni(const ProgramContext &program, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAutoShabloni"));
    setModal(true);

    m_nameLabel = new QLabel(this);
    m_name = new QLineEdit(this);
    m_nameLabel->setBuddy(m_name);

    m_tipFrame = new QGroupBox(this);
    m_tip = new QButtonGroup(this);
    auto *tipLayout = new QVBoxLayout(m_tipFrame);
    for (int i = 0; i < 2; ++i) {
        m_tipButtons[i] = new QRadioButton(m_tipFrame);
        m_tip->addButton(m_tipButtons[i], i);
        tipLayout->addWidget(m_tipButtons[i]);
    }
    m_curves = new QRadioButton(this);
    auto *curvesGroup = new QButtonGroup(this);
    curvesGroup->addButton(m_curves, 0);

    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    auto addField = [&](int row, QLabel *&label, QWidget *field) {
        label = new QLabel(this);
        label->setBuddy(field);
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row, 1, Qt::AlignLeft);
    };
    m_mg = NewIntegerField(this);
    m_mv = NewIntegerField(this);
    m_pr = NewIntegerField(this);
    m_vp = NewDecimalField(this, 0, 100000);
    m_tg = NewDecimalField(this, 0, 100000);
    m_zapas = NewDecimalField(this, -1e9, 1e9);
    addField(0, m_mgLabel, m_mg);
    addField(1, m_mvLabel, m_mv);
    addField(2, m_prLabel, m_pr);
    addField(3, m_vpLabel, m_vp);
    addField(4, m_tgLabel, m_tg);
    addField(5, m_zapasLabel, m_zapas);
    fields->setColumnStretch(2, 1);

    m_tempFrame = new QGroupBox(this);
    m_temperature = new QButtonGroup(this);
    auto *tempLayout = new QHBoxLayout(m_tempFrame);
    for (int i = 0; i < 11; ++i) {
        m_tempButtons[i] = new QRadioButton(m_tempFrame);
        if (i >= 2)
            m_tempButtons[i]->setText(QString::fromLatin1(kFixedTemperatures[i - 2]));
        m_temperature->addButton(m_tempButtons[i], i);
        tempLayout->addWidget(m_tempButtons[i]);
    }
    tempLayout->addStretch(1);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto *cancel = new QPushButton(this);
    m_cancel = cancel;
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *nameRow = new QVBoxLayout;
    nameRow->setSpacing(2);
    nameRow->addWidget(m_nameLabel);
    nameRow->addWidget(m_name);
    auto *choiceRow = new QHBoxLayout;
    choiceRow->addWidget(m_tipFrame, 1);
    choiceRow->addSpacing(12);
    choiceRow->addWidget(m_curves, 0, Qt::AlignVCenter);
    choiceRow->addStretch(0);

    auto *form = new QVBoxLayout;
    form->addLayout(nameRow);
    form->addLayout(choiceRow);
    form->addLayout(fields);
    form->addWidget(m_tempFrame);
    m_preview = new TemplatePreview(program, this);
    m_preview->setMinimumSize(500, 340); // room for the axis titles and the legend
    auto *columns = new QHBoxLayout;
    columns->addLayout(form);
    columns->addWidget(m_preview, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    // Every change of the record shows in the preview at once (one engine call of two spans).
    for (QSpinBox *field : {m_mg, m_mv, m_pr})
        connect(field, &QSpinBox::valueChanged, this, &TFormAutoShabloni::UpdatePreview);
    for (QDoubleSpinBox *field : {m_vp, m_tg, m_zapas})
        connect(field, &QDoubleSpinBox::valueChanged, this, &TFormAutoShabloni::UpdatePreview);
    for (QButtonGroup *group : {m_tip, curvesGroup, m_temperature})
        connect(group, &QButtonGroup::idToggled, this, &TFormAutoShabloni::UpdatePreview);
    connect(m_name, &QLineEdit::textChanged, this, &TFormAutoShabloni::UpdatePreview);

    connect(m_tip, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            TipShablonaChanging(id);
    });
    connect(m_curves, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            KrivieChanging();
    });
    connect(ok, &QPushButton::clicked, this, &TFormAutoShabloni::accept);
    connect(cancel, &QPushButton::clicked, this, &TFormAutoShabloni::reject);
    ApplyTexts();
}

void TFormAutoShabloni::UpdatePreview()
{
    if (!m_showPreview || !isVisible())
        return; // shown with the dialog
    TShablon shown;
    StoreTemplate(shown);
    m_showPreview(*m_preview, shown);
}

QRadioButton *TFormAutoShabloni::TipButton(int index) const
{
    return m_tipButtons[index];
}

QRadioButton *TFormAutoShabloni::TemperatureButton(int index) const
{
    return m_tempButtons[index];
}

void TFormAutoShabloni::ApplyTexts()
{
    setWindowTitle(UiText("Patterns_curves"));
    m_nameLabel->setText(UiText("Name_pattern") + QLatin1Char(':'));
    m_tipFrame->setTitle(UiText("Patterns"));
    m_tipButtons[0]->setText(UiText("At_max_temp"));
    m_tipButtons[1]->setText(UiText("In_case_of_ice"));
    m_curves->setText(UiText("Curves"));
    m_mgLabel->setText(UiText("hor_scale") + QStringLiteral(", 1 : "));
    m_mvLabel->setText(UiText("vert_scale") + QStringLiteral(", 1 : "));
    m_prLabel->setText(UiText("Overall_span"));
    m_vpLabel->setText(UiText("Attachmnet_height"));
    m_tgLabel->setText(UiText("Required_clearance"));
    m_zapasLabel->setText(UiText("Reserve"));
    m_tempFrame->setTitle(UiText("Temperature_no"));
    m_tempButtons[0]->setText(UiText("Min_"));
    m_tempButtons[1]->setText(UiText("Max_"));
    m_cancel->setText(UiText("Cancel"));
}

void TFormAutoShabloni::showEvent(QShowEvent *event)
{
    ApplyTexts();
    adjustSize();
    QDialog::showEvent(event);
    UpdatePreview();
}

void TFormAutoShabloni::TipShablonaChanging(int)
{
    ClearSelection(m_curves->group());
    m_tempFrame->setEnabled(false);
    for (QWidget *w : {static_cast<QWidget *>(m_vp), static_cast<QWidget *>(m_tg),
                       static_cast<QWidget *>(m_zapas)})
        w->setEnabled(true);
}

void TFormAutoShabloni::KrivieChanging()
{
    ClearSelection(m_tip);
    m_tempFrame->setEnabled(true);
    for (QWidget *w : {static_cast<QWidget *>(m_vp), static_cast<QWidget *>(m_tg),
                       static_cast<QWidget *>(m_zapas)})
        w->setEnabled(false);
}

void TFormAutoShabloni::SelectTip(int index)
{
    if (index == 0 || index == 1) {
        m_tipButtons[index]->setChecked(true);
        TipShablonaChanging(index);
    } else {
        ClearSelection(m_tip);
    }
}

void TFormAutoShabloni::SelectTemperature(int index)
{
    if (index >= 0 && index < 11)
        m_tempButtons[index]->setChecked(true);
    else
        ClearSelection(m_temperature);
}

void TFormAutoShabloni::LoadTemplate(const TShablon &shablon)
{
    m_name->setText(QString::fromStdString(shablon.Name));
    SelectTip(shablon.TipShablona);
    if (shablon.Krivie == 0) {
        m_curves->setChecked(true);
        KrivieChanging();
    } else {
        ClearSelection(m_curves->group());
    }
    m_mg->setValue(shablon.MG);
    m_mv->setValue(shablon.MV);
    m_pr->setValue(shablon.PR);
    LoadDecimal(m_vp, shablon.VP, m_loadedVP.value, m_loadedVP.shown);
    LoadDecimal(m_tg, shablon.TG, m_loadedTG.value, m_loadedTG.shown);
    LoadDecimal(m_zapas, shablon.Zapas, m_loadedZapas.value, m_loadedZapas.shown);
    SelectTemperature(shablon.Temperatura);
    m_name->setFocus();
}

void TFormAutoShabloni::StoreTemplate(TShablon &shablon) const
{
    shablon.Name = m_name->text().toStdString();
    shablon.MG = m_mg->value();
    shablon.MV = m_mv->value();
    shablon.PR = m_pr->value();
    shablon.VP = StoredDecimal(m_vp, m_loadedVP.value, m_loadedVP.shown);
    shablon.TG = StoredDecimal(m_tg, m_loadedTG.value, m_loadedTG.shown);
    shablon.Zapas = StoredDecimal(m_zapas, m_loadedZapas.value, m_loadedZapas.shown);
    shablon.TipShablona = m_tip->checkedId();
    shablon.Temperatura = m_temperature->checkedId();
    shablon.Krivie = m_curves->isChecked() ? 0 : -1;
}

bool TFormAutoShabloni::ValidateInput()
{
    const char *failed = nullptr;
    if (m_name->text().isEmpty())
        failed = "Indicate_name";
    else if (m_tip->checkedId() < 0 && !m_curves->isChecked())
        failed = "curve_not_indicated";
    else if (m_curves->isChecked() && m_temperature->checkedId() < 0)
        failed = "Indicate_temperature";
    else if (m_pr->value() == 0 && FieldProblem(m_pr).isEmpty())
        failed = "Indicate_span";
    if (failed) {
        CurrentPrompts().Error(UiText(failed));
        return false;
    }
    const QString refusal = Cp1251Refusal(FieldName(m_nameLabel->text()), m_name->text());
    if (!refusal.isEmpty()) {
        CurrentPrompts().Error(refusal);
        m_name->setFocus();
        return false;
    }
    // A scale or span of 0 or below draws nothing a line could have.
    const std::pair<QSpinBox *, QString> positives[] = {
        {m_mg, UiText("hor_scale")},
        {m_mv, UiText("vert_scale")},
        {m_pr, FieldName(m_prLabel->text())},
    };
    for (const auto &[field, name] : positives) {
        // A text that holds no whole number ("2,5", "") is named with its note.
        if (const QString problem = FieldProblem(field); !problem.isEmpty()) {
            CurrentPrompts().Error(UiText("Field_problem").arg(name.trimmed(), problem));
            field->setFocus();
            field->selectAll();
            return false;
        }
        if (field->value() <= 0) {
            CurrentPrompts().Error(PositiveText(name.trimmed()));
            field->setFocus();
            field->selectAll();
            return false;
        }
    }
    return true;
}

void TFormAutoShabloni::accept()
{
    // A spin box holds a half-typed value until it is left; take it before checking.
    for (QAbstractSpinBox *field : findChildren<QAbstractSpinBox *>())
        field->interpretText();
    if (ValidateInput())
        QDialog::accept();
}

} // namespace velmora
