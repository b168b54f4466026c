#include "gui/formklimatkoef.h"

#include "gui/fieldchecks.h"
#include "gui/numberfields.h"
#include "gui/prompts.h"
#include "gui/uitext.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr double CoefficientStep = 0.001;
constexpr int CoefficientFieldWidth = 96;

DecimalField *CoefficientField(const char *name, QWidget *parent)
{
    auto *field = new DecimalField(CoefficientStep, parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setFixedWidth(CoefficientFieldWidth);
    field->setValue(1);
    return field;
}

QLabel *RowLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

TFrameKlimatKoef::TFrameKlimatKoef(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FrameKlimatKoef"));

    m_groupBoxPar = new QGroupBox(this);
    m_groupBoxPar->setObjectName(QStringLiteral("GroupBoxPar"));
    m_labTypeTer = new QLabel(m_groupBoxPar);
    m_rbA = new QRadioButton(QStringLiteral("A"), m_groupBoxPar);
    m_rbA->setObjectName(QStringLiteral("RBA"));
    m_rbB = new QRadioButton(QStringLiteral("B"), m_groupBoxPar);
    m_rbB->setObjectName(QStringLiteral("RBB"));
    m_rbC = new QRadioButton(QStringLiteral("C"), m_groupBoxPar);
    m_rbC->setObjectName(QStringLiteral("RBC"));
    auto *terrain = new QButtonGroup(this);
    terrain->addButton(m_rbA, 1);
    terrain->addButton(m_rbB, 2);
    terrain->addButton(m_rbC, 3);
    m_rbA->setChecked(true);
    m_labHeght = new QLabel(m_groupBoxPar);
    m_labHeght->setObjectName(QStringLiteral("LabHeght"));
    m_labDo = new QLabel(m_groupBoxPar);
    m_labDo->setObjectName(QStringLiteral("Lab_do"));
    m_visotaPC = new IntegerField(m_groupBoxPar);
    m_visotaPC->setObjectName(QStringLiteral("visotaPC"));
    m_visotaPC->setValue(15);
    m_visotaPC->setFixedWidth(CoefficientFieldWidth);
    m_labM = new QLabel(m_groupBoxPar);
    m_labM->setObjectName(QStringLiteral("Lab_m"));

    auto *terrainRow = new QHBoxLayout;
    terrainRow->addWidget(m_labTypeTer);
    terrainRow->addSpacing(12);
    terrainRow->addWidget(m_rbA);
    terrainRow->addWidget(m_rbB);
    terrainRow->addWidget(m_rbC);
    terrainRow->addStretch();
    auto *heightRow = new QHBoxLayout;
    heightRow->addWidget(m_labDo);
    heightRow->addWidget(m_visotaPC);
    heightRow->addWidget(m_labM);
    heightRow->addStretch();
    auto *heightNote = new QLabel(m_groupBoxPar);
    heightNote->setObjectName(QStringLiteral("Note_visotaPC"));
    m_visotaPC->Note().SetLabel(heightNote);
    auto *par = new QVBoxLayout(m_groupBoxPar);
    par->addLayout(terrainRow);
    par->addSpacing(6);
    par->addWidget(m_labHeght);
    par->addLayout(heightRow);
    par->addWidget(heightNote);

    m_groupBoxCoef = new QGroupBox(this);
    m_groupBoxCoef->setObjectName(QStringLiteral("GroupBoxCoef"));
    m_groupBoxWind = new QGroupBox(m_groupBoxCoef);
    m_groupBoxWind->setObjectName(QStringLiteral("GroupBoxWind"));
    m_groupBoxIce = new QGroupBox(m_groupBoxCoef);
    m_groupBoxIce->setObjectName(QStringLiteral("GroupBoxIce"));

    m_labRes1 = RowLabel("LabRes1", m_groupBoxWind);
    m_labReg1 = RowLabel("LabReg1", m_groupBoxWind);
    m_labRel1 = RowLabel("LabRel1", m_groupBoxWind);
    m_vOtv = CoefficientField("V_Otv", m_groupBoxWind);
    m_vReg = CoefficientField("V_Reg", m_groupBoxWind);
    m_vNad = CoefficientField("V_Nad", m_groupBoxWind);
    auto *wind = new QGridLayout(m_groupBoxWind);
    wind->addWidget(m_labRes1, 0, 0);
    wind->addWidget(m_vOtv, 0, 1);
    wind->addWidget(m_labReg1, 1, 0);
    wind->addWidget(m_vReg, 1, 1);
    wind->addWidget(m_labRel1, 2, 0);
    wind->addWidget(m_vNad, 2, 1);
    wind->setRowStretch(3, 1);

    m_labRes2 = RowLabel("LabRes2", m_groupBoxIce);
    m_labReg2 = RowLabel("LabReg2", m_groupBoxIce);
    m_labRel2 = RowLabel("LabRel2", m_groupBoxIce);
    m_labOper = RowLabel("LabOper", m_groupBoxIce);
    m_gOtv = CoefficientField("G_Otv", m_groupBoxIce);
    m_gReg = CoefficientField("G_Reg", m_groupBoxIce);
    m_gNad = CoefficientField("G_Nad", m_groupBoxIce);
    m_gUsl = CoefficientField("G_Usl", m_groupBoxIce);
    auto *ice = new QGridLayout(m_groupBoxIce);
    ice->addWidget(m_labRes2, 0, 0);
    ice->addWidget(m_gOtv, 0, 1);
    ice->addWidget(m_labReg2, 1, 0);
    ice->addWidget(m_gReg, 1, 1);
    ice->addWidget(m_labRel2, 2, 0);
    ice->addWidget(m_gNad, 2, 1);
    ice->addWidget(m_labOper, 3, 0);
    ice->addWidget(m_gUsl, 3, 1);

    auto *coef = new QHBoxLayout(m_groupBoxCoef);
    coef->addWidget(m_groupBoxWind, 1);
    coef->addWidget(m_groupBoxIce, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_groupBoxPar);
    layout->addWidget(m_groupBoxCoef);
}

void TFrameKlimatKoef::LoadKoef(const TKlimatKoef &koef)
{
    m_vOtv->setValue(koef.V_Otv);
    m_vReg->setValue(koef.V_Reg);
    m_vNad->setValue(koef.V_Nad);
    m_gOtv->setValue(koef.G_Otv);
    m_gReg->setValue(koef.G_Reg);
    m_gNad->setValue(koef.G_Nad);
    m_gUsl->setValue(koef.G_Usl);
    m_visotaPC->setValue(koef.VisotaPC);
    switch (koef.TypeTer) {
    case 1:
        m_rbA->setChecked(true);
        break;
    case 2:
        m_rbB->setChecked(true);
        break;
    case 3:
        m_rbC->setChecked(true);
        break;
    default:
        break;
    }
}

QString TFrameKlimatKoef::HeightRefusal() const
{
    const QString problem = FieldProblem(m_visotaPC);
    return problem.isEmpty() ? QString()
                             : UiText("Field_problem").arg(FieldName(m_labHeght->text()), problem);
}

void TFrameKlimatKoef::FocusHeight()
{
    m_visotaPC->setFocus();
    m_visotaPC->selectAll();
}

void TFrameKlimatKoef::StoreKoef(TKlimatKoef &koef) const
{
    // Text typed but not yet confirmed with Enter or a focus change counts too.
    for (DecimalField *field : findChildren<DecimalField *>())
        field->Commit();
    m_visotaPC->Commit();
    koef.V_Otv = m_vOtv->value();
    koef.V_Reg = m_vReg->value();
    koef.V_Nad = m_vNad->value();
    koef.G_Otv = m_gOtv->value();
    koef.G_Reg = m_gReg->value();
    koef.G_Nad = m_gNad->value();
    koef.G_Usl = m_gUsl->value();
    koef.VisotaPC = m_visotaPC->value();
    if (m_rbA->isChecked())
        koef.TypeTer = 1;
    else if (m_rbB->isChecked())
        koef.TypeTer = 2;
    else if (m_rbC->isChecked())
        koef.TypeTer = 3;
}

void TFrameKlimatKoef::ApplyLanguage()
{
    m_groupBoxPar->setTitle(UiText("Climaticparameter"));
    m_labTypeTer->setText(UiText("Type_of_terrain"));
    m_labHeght->setText(UiText("height_for_wires"));
    m_groupBoxCoef->setTitle(UiText("Reliability_coefficients"));
    m_groupBoxWind->setTitle(UiText("Windloads"));
    m_groupBoxIce->setTitle(UiText("Iceloads"));
    m_labRes1->setText(UiText("Responsibility"));
    m_labRes2->setText(UiText("Responsibility"));
    m_labReg1->setText(UiText("Regional"));
    m_labReg2->setText(UiText("Regional"));
    m_labRel1->setText(UiText("Reliability"));
    m_labRel2->setText(UiText("Reliability"));
    m_labOper->setText(UiText("Operating"));
    m_labDo->setText(UiText("do"));
    m_labM->setText(UiText("meter"));
}

TFormKlimatKoef::TFormKlimatKoef(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormKlimatKoef"));
    setModal(true);
    m_frame = new TFrameKlimatKoef(this);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("BitBtnOk"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("BitBtnCancel"));
    // A height typed as no whole number ("2,5") is named, and the dialog stays open.
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (const QString refusal = m_frame->HeightRefusal(); !refusal.isEmpty()) {
            CurrentPrompts().Error(refusal);
            m_frame->FocusHeight();
            return;
        }
        accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(m_frame);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormKlimatKoef::FormShow()
{
    setWindowTitle(UiText("Climatic_param_capt"));
    m_cancel->setText(UiText("Cancel"));
    m_frame->ApplyLanguage();
}

} // namespace velmora
