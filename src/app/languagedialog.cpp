#include "languagedialog.h"

#include "guard.h"
#include "l10n/localization.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

TLanguageDialog::TLanguageDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("LanguageDialog"));
    setModal(true);
    setWindowTitle(QStringLiteral("Язык (Language)"));
    auto *label = new QLabel(QStringLiteral("Язык (Language)"), this);
    m_list = new QComboBox(this);
    m_list->setObjectName(QStringLiteral("LanguageList"));
    m_list->addItem(QStringLiteral("English"));
    m_list->addItem(QStringLiteral("Russian (Русский)"));
    m_list->setCurrentIndex(1);
    label->setBuddy(m_list);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 14);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addSpacing(10);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(300);
}

void TLanguageDialog::accept()
{
    // A store that refuses the write leaves the language changed in memory; the dialog
    // closes confirmed either way.
    Guarded([this] { SetLanguage(m_list->currentIndex()); });
    QDialog::accept();
}

} // namespace velmora
