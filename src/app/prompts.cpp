#include "prompts.h"

#include "program.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
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

void Prepare(QFileDialog &dialog, const FileDialogSpec &spec)
{
    dialog.setWindowTitle(spec.title);
    dialog.setNameFilter(spec.filter);
    dialog.setDefaultSuffix(spec.defaultSuffix);
    if (!spec.directory.isEmpty())
        dialog.setDirectory(spec.directory);
    if (!spec.fileName.isEmpty())
        dialog.selectFile(spec.fileName);
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
    return Box(Owner(), QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::Yes)
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

QString QtPrompts::OpenFileName(const FileDialogSpec &spec)
{
    QFileDialog dialog(Owner());
    Prepare(dialog, spec);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Chosen(dialog);
}

QString QtPrompts::SaveFileName(const FileDialogSpec &spec)
{
    QFileDialog dialog(Owner());
    Prepare(dialog, spec);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !spec.confirmOverwrite);
    return Chosen(dialog);
}

int QtPrompts::Exec(QDialog &dialog)
{
    return dialog.exec();
}

void QtPrompts::OpenDocument(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace velmora
