#include "gui/formwait.h"

#include "gui/uitext.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace velmora {

TFormWait::TFormWait(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("FormWait"));
    m_panel = new QLabel(this);
    m_panel->setObjectName(QStringLiteral("Panel"));
    m_panel->setAlignment(Qt::AlignCenter);
    m_panel->setAutoFillBackground(true);
    m_panel->setBackgroundRole(QPalette::ToolTipBase);
    m_panel->setForegroundRole(QPalette::ToolTipText);
    m_panel->setFrameShape(QFrame::Panel);
    m_panel->setFrameShadow(QFrame::Raised);
    m_panel->setMargin(18);
    QFont bold = m_panel->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_panel->setFont(bold);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_panel);
    setMinimumWidth(280);
}

void TFormWait::ShowWait(const QString &text)
{
    setWindowTitle(UiText("Wait"));
    m_panel->setText(text);
    QApplication::processEvents();
    adjustSize();
    if (QWidget *owner = parentWidget()) {
        const QRect frame = owner->frameGeometry();
        move(frame.center() - rect().center());
    }
    show();
    raise();
    QApplication::processEvents();
}

QString TFormWait::PanelText() const
{
    return m_panel->text();
}

} // namespace velmora
