#pragma once

#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace velmora {

class ProfileView;

// The title block of a printed profile: each line a label and its value (project, wire,
// template, date, scales), in the current language.
struct ProfileTitleBlock
{
    QString title; // "Line profile – <project>"
    QList<QPair<QString, QString>> rows;
};

// Paints what view shows on one landscape page of device (a printer, or a PDF writer) with
// the title block in the lower right corner, as a drawing sheet has it.
void PrintProfile(QPagedPaintDevice &device, ProfileView &view, const ProfileTitleBlock &block);

// Writes what view shows to path as a picture, the kind by the name's suffix: ".png", ".svg",
// or ".pdf" (the printed page with its title block). Through the program's one safe writer:
// the file is whole or the old one stays. False with the reason in *error.
bool SaveProfilePicture(ProfileView &view, const ProfileTitleBlock &block, const QString &path,
                        QString *error);
// The printed page as a PDF file at path, whatever its name, as SaveProfilePicture writes it.
bool SaveProfilePdf(ProfileView &view, const ProfileTitleBlock &block, const QString &path,
                    QString *error);

} // namespace velmora
