#include "gui/helpbrowser.h"

#include "gui/appwindows.h"
#include "gui/formmain.h"
#include "gui/helptopics.h"
#include "gui/platform.h"
#include "gui/program.h"
#include "gui/prompts.h"
#include "gui/uitext.h"
#include "l10n/localization.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

namespace {

QString ReadUtf8(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString PlainText(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

QPushButton *ToolButton(const char *name, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

HelpBrowser::HelpBrowser(const QString &helpFolder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_folder(helpFolder.endsWith(QLatin1Char('/')) ? helpFolder : helpFolder + QLatin1Char('/'))
{
    setObjectName(QStringLiteral("HelpBrowser"));

    m_back = ToolButton("HelpBack", this);
    m_forward = ToolButton("HelpForward", this);
    m_home = ToolButton("HelpHome", this);
    m_pdf = ToolButton("HelpPdf", this);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("HelpSearch"));
    m_search->setClearButtonEnabled(true);
    auto *tools = new QHBoxLayout;
    tools->addWidget(m_back);
    tools->addWidget(m_forward);
    tools->addWidget(m_home);
    tools->addStretch(1);
    tools->addWidget(m_pdf);

    auto *left = new QWidget(this);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    m_results = new QListWidget(left);
    m_results->setObjectName(QStringLiteral("HelpResults"));
    m_results->hide();
    m_contents = new QTreeWidget(left);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_contents->setHeaderHidden(true);
    leftLayout->addWidget(m_search);
    leftLayout->addWidget(m_results, 1);
    leftLayout->addWidget(m_contents, 3);

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("HelpText"));
    m_text->setOpenExternalLinks(true);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(m_text);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 720});

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(splitter, 1);
    resize(1000, 680);

    connect(m_back, &QPushButton::clicked, m_text, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_text, &QTextBrowser::forward);
    connect(m_text, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_text, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_home, &QPushButton::clicked, this, [this] { OpenAt(HelpContentsAnchor); });
    // The PDF, for printing, at the section shown.
    connect(m_pdf, &QPushButton::clicked, this,
            [this] { OpenHelpAt(ApplicationDir(), HelpBaseName, Source().fragment()); });
    connect(m_contents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { OpenAt(item->data(0, Qt::UserRole).toString()); });
    connect(m_contents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { OpenAt(item->data(0, Qt::UserRole).toString()); });
    connect(m_search, &QLineEdit::returnPressed, this, &HelpBrowser::SearchTyped);
    auto openResult = [this](QListWidgetItem *item) {
        OpenAt(item->data(Qt::UserRole).toString());
        // The words found, marked in the section.
        m_text->find(m_search->text().trimmed());
    };
    connect(m_results, &QListWidget::itemActivated, this, openResult);
    connect(m_results, &QListWidget::itemClicked, this, openResult);
}

void HelpBrowser::ApplyTexts()
{
    setWindowTitle(UiText("Help_window"));
    m_back->setText(QStringLiteral("◀ ") + UiText("Help_back"));
    m_forward->setText(UiText("Help_forward") + QStringLiteral(" ▶"));
    m_home->setText(UiText("Help_home"));
    m_pdf->setText(QStringLiteral("PDF…"));
    m_search->setPlaceholderText(UiText("Help_search_hint"));
}

bool HelpBrowser::Load()
{
    if (m_language == static_cast<int>(ShownLanguage()) && !m_sections.isEmpty())
        return true;
    m_language = static_cast<int>(ShownLanguage());
    m_sections.clear();
    m_fileOf.clear();
    m_contents->clear();
    m_results->clear();
    m_results->hide();
    ApplyTexts();
    const QString folder = m_folder
        + (ShownLanguage() == Lang::English ? QStringLiteral("en/") : QStringLiteral("ru/"));
    static const QRegularExpression heading(
        QStringLiteral("<h([1-3])[^>]*>\\s*<a name=\"([^\"]+)\">(.*?)</a>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression anchor(QStringLiteral("<a name=\"([^\"]+)\""));
    const QStringList chapters = ReadUtf8(m_folder + QStringLiteral("chapters.txt"))
                                     .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QTreeWidgetItem *chapter = nullptr;
    for (QString name : chapters) {
        name = name.trimmed();
        if (name.isEmpty() || name.startsWith(QLatin1Char('#')))
            continue;
        const QString file = folder + name;
        const QString html = ReadUtf8(file);
        for (auto it = anchor.globalMatch(html); it.hasNext();)
            m_fileOf.insert(it.next().captured(1), file);
        // Each heading starts a section that runs to the next heading.
        QList<QRegularExpressionMatch> found;
        for (auto it = heading.globalMatch(html); it.hasNext();)
            found << it.next();
        for (int i = 0; i < found.size(); ++i) {
            const QRegularExpressionMatch &m = found[i];
            const qsizetype end = i + 1 < found.size() ? found[i + 1].capturedStart() : html.size();
            Section section {m.captured(2), PlainText(m.captured(3)).simplified(),
                             m.captured(1).toInt(), file,
                             PlainText(html.mid(m.capturedStart(), end - m.capturedStart()))};
            m_sections << section;
            QTreeWidgetItem *item = nullptr;
            if (section.level == 1 || !chapter) {
                item = new QTreeWidgetItem(m_contents, {section.heading});
                chapter = item;
            } else {
                item = new QTreeWidgetItem(chapter, {section.heading});
            }
            item->setData(0, Qt::UserRole, section.anchor);
        }
    }
    return !m_sections.isEmpty();
}

bool HelpBrowser::OpenAt(const QString &anchorName)
{
    if (!Load())
        return false;
    QString name = anchorName;
    if (!m_fileOf.contains(name))
        name = m_fileOf.contains(HelpContentsAnchor) ? HelpContentsAnchor
                                                     : m_sections.first().anchor;
    QUrl url = QUrl::fromLocalFile(m_fileOf.value(name));
    url.setFragment(name);
    if (m_text->source() != url)
        m_text->setSource(url);
    m_text->scrollToAnchor(name);
    // The section shown is the one marked in the contents.
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == name) {
            m_contents->setCurrentItem(*it);
            break;
        }
    }
    return true;
}

QUrl HelpBrowser::Source() const
{
    return m_text->source();
}

QStringList HelpBrowser::Search(const QString &words)
{
    m_results->clear();
    QStringList found;
    const QString wanted = words.simplified();
    if (wanted.isEmpty() || !Load()) {
        m_results->hide();
        return found;
    }
    for (const Section &section : std::as_const(m_sections)) {
        if (!section.text.contains(wanted, Qt::CaseInsensitive))
            continue;
        auto *item = new QListWidgetItem(section.heading, m_results);
        item->setData(Qt::UserRole, section.anchor);
        found << section.anchor;
    }
    if (found.isEmpty())
        new QListWidgetItem(UiText("Help_not_found").arg(wanted), m_results);
    m_results->show();
    return found;
}

void HelpBrowser::SearchTyped()
{
    const QStringList found = Search(m_search->text());
    if (!found.isEmpty()) {
        OpenAt(found.first());
        m_text->find(m_search->text().trimmed());
    }
}

HelpBrowser *ShowHelpAt(const QString &anchor)
{
    static QPointer<HelpBrowser> browser;
    TFormMain *main = MainWindow();
    if (!main)
        return nullptr;
    if (!browser)
        browser = new HelpBrowser(ApplicationDir() + QStringLiteral("help/"), main);
    if (!browser->OpenAt(anchor)) {
        CurrentPrompts().Warning(
            UiText("Help_missing").arg(QDir::toNativeSeparators(ApplicationDir() + "help")));
        return browser;
    }
    browser->show();
    browser->raise();
    browser->activateWindow();
    return browser;
}

} // namespace velmora
