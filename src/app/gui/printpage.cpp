#include "gui/printpage.h"

#include "gui/wholefile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace velmora {

QSizeF SetLogicalPage(QPainter &painter)
{
    const QRect viewport = painter.viewport();
    const double scale = viewport.width() / double(PrintPageWidth);
    const QSizeF page(PrintPageWidth, viewport.height() / scale);
    painter.setWindow(0, 0, PrintPageWidth, static_cast<int>(page.height()));
    return page;
}

QRectF PageSheet(QSizeF page)
{
    return QRectF(PrintPageMargin, PrintPageMargin, page.width() - 2 * PrintPageMargin,
                  page.height() - 2 * PrintPageMargin);
}

QFont PagePixelFont(int pixels, bool bold, const QString &family)
{
    QFont font = family.isEmpty() ? QFont() : QFont(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

bool SavePagesPdf(const QString &path, const QString &title,
                  const std::function<void(QPagedPaintDevice &)> &print, QString *error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Velmora"));
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        print(pdf);
    }
    buffer.close();
    return WriteWholeFile(path, buffer.data(), error);
}

} // namespace velmora
