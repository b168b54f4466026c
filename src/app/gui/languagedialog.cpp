#include "gui/languagedialog.h"

#include "gui/guard.h"
#include "gui/programcontext.h"
#include "l10n/localization.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

// Room for a window manager's icon and three buttons in the title bar.
constexpr int TitleBarButtonsWidth = 180;

} // namespace

TLanguageDialog::TLanguageDialog(ProgramContext &program, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName(QStringLiteral("LanguageDialog"));
    setModal(true);
    setWindowTitle(QStringLiteral("Язык (Language)"));
    auto *label = new QLabel(QStringLiteral("Язык (Language)"), this);
    // A window manager puts its icon and buttons beside the title and cuts a title that
    // does not fit; the fixed-size dialog is made wide enough for it.
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    label->setMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(windowTitle())
                           + TitleBarButtonsWidth);
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
}

void TLanguageDialog::accept()
{
    // A store that refuses the write leaves the language changed in memory; the dialog
    // closes confirmed either way.
    Guarded([this] { m_program.SetLanguage(m_list->currentIndex()); });
    QDialog::accept();
}

} // namespace velmora
