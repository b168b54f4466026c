#include "gui/formsaveproject.h"

#include "gui/program.h"
#include "gui/uitext.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

TFormSave_Project::TFormSave_Project(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormSave_Project"));
    setModal(true);
    setWindowTitle(AppTitle);
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAlignment(Qt::AlignCenter);

    // The button box puts the three in the order the desktop's style expects.
    auto *buttons = new QDialogButtonBox(this);
    m_butSave = buttons->addButton(QDialogButtonBox::Save);
    m_butSave->setObjectName(QStringLiteral("ButSave"));
    m_butDontSave = buttons->addButton(QDialogButtonBox::Discard);
    m_butDontSave->setObjectName(QStringLiteral("ButDontSave"));
    m_butCancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_butCancel->setObjectName(QStringLiteral("ButCancel"));
    connect(m_butSave, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_butDontSave, &QPushButton::clicked, this, [this] { done(DiscardChanges); });
    connect(m_butCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(18);
    layout->addWidget(m_label1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    PrepareTexts();
}

void TFormSave_Project::PrepareTexts()
{
    m_label1->setText(UiText("Save_changes"));
    m_butSave->setText(UiText("Save"));
    m_butDontSave->setText(UiText("Dont_save"));
    m_butCancel->setText(UiText("Cancel"));
}

// A button pressed at the last showing keeps the focus, and a focused button takes Enter:
// the focus goes back to Save each time.
void TFormSave_Project::showEvent(QShowEvent *event)
{
    m_butSave->setDefault(true);
    m_butSave->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

QString TFormSave_Project::LabelText() const
{
    return m_label1->text();
}

} // namespace velmora
