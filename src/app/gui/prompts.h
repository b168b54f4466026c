#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace velmora {

// A file dialog's settings. Titles and filters are fixed texts of the program ("*.vlp").
struct FileDialogRequest
{
    QString title;
    QString filter; // Qt form: "*.vlp (*.vlp)"
    QString defaultSuffix; // "vlp"; added when the typed name has no suffix
    QString directory; // initial folder; empty: the dialog's own choice
    QString fileName; // preset file name (may be a pattern such as "*.vlp")
    bool confirmOverwrite = true; // the save dialog asks before it replaces an existing file
    QStringList sidebarFolders {}; // added to the side bar of Qt's own dialog
};

// Everything the windows ask of the user or of the desktop goes through this one interface,
// so that tests can answer message boxes, file dialogs and modal dialogs themselves.
// The caption of every box is the application title "Velmora".
class Prompts
{
public:
    virtual ~Prompts() = default;

    // Error box: error icon, OK.
    virtual void Error(const QString &text) = 0;
    // Warning box: warning icon, OK.
    virtual void Warning(const QString &text) = 0;
    // Warning box with Yes and No, No the default (its questions replace, delete or end
    // something); true for Yes.
    virtual bool WarningYesNo(const QString &text) = 0;
    // Question box with Yes and No; true for Yes.
    virtual bool Question(const QString &text) = 0;
    // Plain box: no icon, OK.
    virtual void Message(const QString &text) = 0;

    // File dialogs; the empty text when cancelled. The save dialog asks before it replaces
    // an existing file unless the request says otherwise.
    virtual QString OpenFileName(const FileDialogRequest &request) = 0;
    virtual QString SaveFileName(const FileDialogRequest &request) = 0;

    // Runs a modal dialog and returns its result (QDialog::Accepted, Rejected, or a code of the
    // dialog's own given to done()).
    virtual int Exec(QDialog &dialog) = 0;

    // The shell's "open" of a document (report, drawing, help) or a folder with its associated
    // program. False when the system found no program for it or could not start one. A path
    // "FILE#page=N" (not itself a file) opens FILE at page N where the viewer takes the page
    // from the file URL, else FILE alone.
    virtual bool OpenDocument(const QString &path) = 0;
};

// The prompts of the run: the Qt ones unless a test installed its own. Never null.
Prompts &CurrentPrompts();
// Installs prompts (not owned); nullptr restores the Qt ones.
void SetPrompts(Prompts *prompts);

// The Qt implementation; its boxes and dialogs are owned by the given window (or by the
// active window when none is set).
class QtPrompts : public Prompts
{
public:
    void SetOwner(QWidget *owner) { m_owner = owner; }

    void Error(const QString &text) override;
    void Warning(const QString &text) override;
    bool WarningYesNo(const QString &text) override;
    bool Question(const QString &text) override;
    void Message(const QString &text) override;
    QString OpenFileName(const FileDialogRequest &request) override;
    QString SaveFileName(const FileDialogRequest &request) override;
    int Exec(QDialog &dialog) override;
    bool OpenDocument(const QString &path) override;

private:
    QWidget *Owner() const;

    QWidget *m_owner = nullptr;
};

// The Qt prompts of the run (the default of CurrentPrompts).
QtPrompts &DefaultPrompts();

} // namespace velmora
