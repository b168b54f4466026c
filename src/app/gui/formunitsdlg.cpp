#include "gui/formunitsdlg.h"

#include "gui/guard.h"
#include "gui/programcontext.h"
#include "gui/uitext.h"
#include "gui/unitsmode.h"
#include "l10n/units.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmora {

TFormUnitsDlg::TFormUnitsDlg(ProgramContext &program, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName(QStringLiteral("FormUnitsDlg"));
    setModal(true);
    m_group = new QGroupBox(this);
    m_daN = new QRadioButton(m_group);
    m_daN->setObjectName(QStringLiteral("UnitsDaN"));
    m_N = new QRadioButton(m_group);
    m_N->setObjectName(QStringLiteral("UnitsN"));
    auto *choices = new QVBoxLayout(m_group);
    choices->setSpacing(10);
    choices->addWidget(m_daN);
    choices->addWidget(m_N);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    m_cancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(m_group);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormUnitsDlg::Prepare()
{
    setWindowTitle(UiText("Units"));
    m_group->setTitle(UiText("Units"));
    m_daN->setText(UiText("Tension_daN"));
    m_N->setText(UiText("Tension_N"));
    m_cancel->setText(UiText("Cancel"));
    (m_program.Units() == UnitsMode::DaN ? m_daN : m_N)->setChecked(true);
}

void TFormUnitsDlg::accept()
{
    Guarded([this] {
        m_program.SetUnits(static_cast<int>(m_N->isChecked() ? UnitsMode::NkN : UnitsMode::DaN));
    });
    QDialog::accept();
}

} // namespace velmora
