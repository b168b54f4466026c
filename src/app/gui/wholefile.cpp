#include "gui/wholefile.h"
#include "gui/uitext.h"

#include "common/error.h"
#include "common/fileio.h"

#include <QFile>

namespace velmora {

bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    try {
        WriteFileAtomically(
            QFile::encodeName(path).toStdString(),
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        return true;
    } catch (const Error &e) {
        if (error)
            *error = ErrorMessage(e);
        return false;
    }
}

} // namespace velmora
