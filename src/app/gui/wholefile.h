#pragma once

#include <QByteArray>
#include <QString>

namespace velmora {

// Writes an export made in memory through the program's one safe writer
// (WriteFileAtomically): the file is whole or the old one stays. False with the reason in
// *error (the system's text, naming the file) when it could not be written.
bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString *error);

} // namespace velmora
