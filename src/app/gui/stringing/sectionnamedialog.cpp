#include "gui/stringing/sectionnamedialog.h"

#include "data/section.h"
#include "gui/fieldchecks.h"
#include "gui/numberfields.h"
#include "gui/prompts.h"
#include "gui/uitext.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace velmora {

TSectionNameDialog::TSectionNameDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SectionNameDialog"));
    m_label = new QLabel(this);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("SectionName"));
    // Qt counts UTF-16 units, never fewer than the characters the section's limit counts.
    m_name->setMaxLength(MaxSectionNameLength);
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 48);
    m_label->setBuddy(m_name);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_name);
    layout->addWidget(buttons);
}

void TSectionNameDialog::Prepare(const QString &name)
{
    setWindowTitle(UiText("Anchor_sections"));
    m_label->setText(UiText("Section_name"));
    m_name->setText(name);
    m_name->selectAll();
    m_name->setFocus();
}

void TSectionNameDialog::accept()
{
    const QString refusal = Cp1251Refusal(FieldName(m_label->text()), m_name->text());
    if (!refusal.isEmpty()) {
        CurrentPrompts().Error(refusal);
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}

QString TSectionNameDialog::Name() const
{
    return m_name->text();
}

} // namespace velmora
