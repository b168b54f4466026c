#include "gui/formabout.h"

#include "common/version.h"
#include "gui/program.h"
#include "gui/uitext.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

QLabel *NewAboutLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TFormAbout::TFormAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAbout"));
    setModal(false);
    setAutoFillBackground(true);
    m_programName = NewAboutLabel("ProgramName", this);
    QFont nameFont = m_programName->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 2.2);
    m_programName->setFont(nameFont);
    m_title = NewAboutLabel("Title", this);
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
    m_title->setFont(titleFont);
    m_version = NewAboutLabel("Version", this);
    m_authorCaption = NewAboutLabel("AuthorCaption", this);
    m_maker = NewAboutLabel("Maker", this);
    m_contact = NewAboutLabel("Contact", this);
    m_programmersCaption = NewAboutLabel("ProgrammersCaption", this);
    m_programmers = NewAboutLabel("Programmers", this);
    m_year = NewAboutLabel("Year", this);
    m_link = NewAboutLabel("Link", this);
    m_link->setOpenExternalLinks(true);
    m_link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    QFont bold = m_authorCaption->font();
    bold.setBold(true);
    m_authorCaption->setFont(bold);
    m_programmersCaption->setFont(bold);
    m_maker->setFont(bold);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 20);
    layout->setSpacing(4);
    layout->addWidget(m_programName);
    layout->addWidget(m_title);
    layout->addWidget(m_version);
    layout->addSpacing(14);
    layout->addWidget(m_authorCaption);
    layout->addWidget(m_maker);
    layout->addWidget(m_contact);
    layout->addSpacing(10);
    layout->addWidget(m_programmersCaption);
    layout->addWidget(m_programmers);
    layout->addSpacing(14);
    layout->addWidget(m_year);
    layout->addWidget(m_link);
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("ButClose"));
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TFormAbout::VersionText()
{
    return ByLanguage(QStringLiteral("version "), QStringLiteral("версия "))
        + QString::fromLatin1(ProgramVersion);
}

void TFormAbout::ShowAbout()
{
    m_programName->setText(AppTitle);
    m_title->setText(ByLanguage(
        QStringLiteral("Mechanical calculation of wires, cords and\nself-supporting cables"),
        QStringLiteral("Механический расчёт проводов, тросов и\nсамонесущих кабелей")));
    m_programmers->setText(ByLanguage(QStringLiteral("A. Lindqvist\nM. Varga"),
                                      QStringLiteral("А. Линдквист\nМ. Варга")));
    m_year->setText(ByLanguage(QStringLiteral("© Orbelan, %1. All rights reserved."),
                               QStringLiteral("© Орбелан, %1. Все права защищены."))
                        .arg(VersionYear));
    m_version->setText(VersionText());
    m_contact->setText(
        ByLanguage(QStringLiteral("Velmora support: E. Sandberg\nPhone: +46 00 000 00 00\n"
                                  "E-mail: support@velmora.example"),
                   QStringLiteral("Поддержка Velmora: Э. Сандберг\nТелефон: +46 00 000 00 00\n"
                                  "Эл. почта: support@velmora.example")));

    setWindowTitle(ByLanguage(QStringLiteral("About Program"), QStringLiteral("О программе")));
    m_authorCaption->setText(ByLanguage(QStringLiteral("Author:"), QStringLiteral("Разработчик:")));
    m_programmersCaption->setText(
        ByLanguage(QStringLiteral("Programmers:"), QStringLiteral("Программисты:")));
    m_maker->setText(ByLanguage(QStringLiteral("Orbelan engineering"),
                                QStringLiteral("Инженерная компания «Орбелан»")));
    m_link->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(MakerSite));
    m_close->setText(UiText("Close"));

    show();
    raise();
    activateWindow();
}

void TFormAbout::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        close();
    QDialog::mousePressEvent(event);
}

} // namespace velmora
