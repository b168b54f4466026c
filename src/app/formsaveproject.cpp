#include "formsaveproject.h"

#include "program.h"
#include "uitext.h"

#include <QHBoxLayout>
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
    m_butOK = new QPushButton(QStringLiteral("ОК"), this);
    m_butOK->setObjectName(QStringLiteral("ButOK"));
    m_butOK->setDefault(true);
    m_butCancel = new QPushButton(QStringLiteral("Отмена"), this);
    m_butCancel->setObjectName(QStringLiteral("ButCancel"));
    connect(m_butOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_butCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_butOK);
    buttons->addWidget(m_butCancel);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(18);
    layout->addWidget(m_label1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormSave_Project::PrepareTexts()
{
    m_label1->setText(ByLanguage(QStringLiteral("Changes have been done to the project.\n"
                                                "Save the project?"),
                                 QStringLiteral("В проекте были сделаны изменения.\n"
                                                "Сохранить проект?")));
}

QString TFormSave_Project::LabelText() const
{
    return m_label1->text();
}

} // namespace velmora
