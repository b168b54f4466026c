#include "gui/prompts.h"

#include "gui/program.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QUrl>

namespace velmora {

namespace {

Prompts *g_prompts = nullptr;

QMessageBox::StandardButton Box(QWidget *owner, QMessageBox::Icon icon, const QString &text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, AppTitle, text, buttons, owner);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void Prepare(QFileDialog &dialog, const FileDialogRequest &request)
{
    dialog.setWindowTitle(request.title);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.directory.isEmpty())
        dialog.setDirectory(request.directory);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (!request.sidebarFolders.isEmpty()) {
        QList<QUrl> places = dialog.sidebarUrls();
        for (const QString &folder : request.sidebarFolders) {
            const QUrl place = QUrl::fromLocalFile(folder);
            if (!places.contains(place))
                places.append(place);
        }
        dialog.setSidebarUrls(places);
    }
}

QString Chosen(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

Prompts &CurrentPrompts()
{
    return g_prompts ? *g_prompts : DefaultPrompts();
}

void SetPrompts(Prompts *prompts)
{
    g_prompts = prompts;
}

QtPrompts &DefaultPrompts()
{
    static QtPrompts prompts;
    return prompts;
}

QWidget *QtPrompts::Owner() const
{
    if (QWidget *active = QApplication::activeModalWidget())
        return active;
    return m_owner ? m_owner : QApplication::activeWindow();
}

void QtPrompts::Error(const QString &text)
{
    Box(Owner(), QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtPrompts::Warning(const QString &text)
{
    Box(Owner(), QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtPrompts::WarningYesNo(const QString &text)
{
    // Its questions replace or delete something: Enter keeps it.
    return Box(Owner(), QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No)
        == QMessageBox::Yes;
}

bool QtPrompts::Question(const QString &text)
{
    return Box(Owner(), QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::Yes)
        == QMessageBox::Yes;
}

void QtPrompts::Message(const QString &text)
{
    Box(Owner(), QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

QString QtPrompts::OpenFileName(const FileDialogRequest &request)
{
    QFileDialog dialog(Owner());
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Chosen(dialog);
}

QString QtPrompts::SaveFileName(const FileDialogRequest &request)
{
    QFileDialog dialog(Owner());
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    return Chosen(dialog);
}

int QtPrompts::Exec(QDialog &dialog)
{
    return dialog.exec();
}

bool QtPrompts::OpenDocument(const QString &path)
{
    // "manual.pdf#page=N": PDF viewers that read a page from the file URL open there; the
    // file alone when the system cannot open the URL with its page.
    static const QRegularExpression pageSuffix(QStringLiteral("#page=([0-9]+)$"));
    const QRegularExpressionMatch page = pageSuffix.match(path);
    if (page.hasMatch() && !QFileInfo::exists(path)) {
        const QString file = path.left(page.capturedStart());
        QUrl url = QUrl::fromLocalFile(file);
        url.setFragment(QStringLiteral("page=") + page.captured(1));
        return QDesktopServices::openUrl(url)
            || QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace velmora
