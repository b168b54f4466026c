#include "gui/writtenfile.h"

#include "gui/appwindows.h"
#include "gui/formmain.h"
#include "gui/prompts.h"
#include "gui/uitext.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QUrl>

namespace velmora {

namespace {

void OpenFolder(const QString &folder)
{
    if (!CurrentPrompts().OpenDocument(folder))
        CurrentPrompts().Warning(UiText("Folder_not_opened").arg(QDir::toNativeSeparators(folder)));
}

} // namespace

void AnnounceWrittenFile(const QString &path)
{
    TFormMain *main = MainWindow();
    if (!main)
        return;
    QStatusBar *bar = main->statusBar();
    auto *label = bar->findChild<QLabel *>(QStringLiteral("WrittenFile"));
    if (!label) {
        label = new QLabel(bar);
        label->setObjectName(QStringLiteral("WrittenFile"));
        label->setTextInteractionFlags(Qt::TextBrowserInteraction);
        label->setTextFormat(Qt::RichText);
        // The link carries the folder; the prompts open it, so that a test sees it.
        QObject::connect(label, &QLabel::linkActivated, label,
                         [](const QString &link) { OpenFolder(QUrl(link).toLocalFile()); });
        bar->insertWidget(0, label, 1);
    }
    if (auto *idle = bar->findChild<QLabel *>(QStringLiteral("StatusText")))
        idle->hide();
    const QString folder = QFileInfo(path).absolutePath();
    label->setText(QStringLiteral("%1 &nbsp; <a href=\"%2\">%3</a>")
                       .arg(UiText("Written_to")
                                .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()))
                                .toHtmlEscaped(),
                            QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded),
                            UiText("Open_folder").toHtmlEscaped()));
    label->setToolTip(QDir::toNativeSeparators(folder));
    label->show();
}

void OpenWrittenFile(const QString &path)
{
    AnnounceWrittenFile(path);
    Prompts &prompts = CurrentPrompts();
    if (prompts.OpenDocument(path))
        return;
    const QString folder = QFileInfo(path).absolutePath();
    if (!prompts.Question(UiText("File_written_not_opened").arg(QDir::toNativeSeparators(path))))
        return;
    OpenFolder(folder);
}

} // namespace velmora
