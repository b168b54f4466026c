#include "gui/profile/profileexport.h"

#include "gui/printpage.h"
#include "gui/profile/profileview.h"
#include "gui/wholefile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgGenerator>

namespace velmora {

namespace {

constexpr int BlockRowHeight = 18;
constexpr int BlockLabelWidth = 110;
constexpr int BlockValueWidth = 260;

QFont ProfilePixelFont(int pixels, bool bold = false)
{
    return PagePixelFont(pixels, bold, QStringLiteral("DejaVu Sans"));
}

// The view's picture scaled into target, its proportions kept.
void RenderView(ProfileView &view, QPainter &painter, const QRectF &target)
{
    painter.setRenderHint(QPainter::Antialiasing);
    view.render(&painter, target, view.viewport()->rect(), Qt::KeepAspectRatio);
}

// The title block, its lower right corner at corner: a heading row, then label | value rows.
void DrawTitleBlock(QPainter &painter, const ProfileTitleBlock &block, QPointF corner)
{
    const int rows = static_cast<int>(block.rows.size()) + 1;
    const QRectF box(corner.x() - BlockLabelWidth - BlockValueWidth,
                     corner.y() - rows * BlockRowHeight, BlockLabelWidth + BlockValueWidth,
                     rows * BlockRowHeight);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.drawRect(box);
    painter.setFont(ProfilePixelFont(11, true));
    QRectF row(box.left(), box.top(), box.width(), BlockRowHeight);
    painter.drawText(row.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(block.title, Qt::ElideRight,
                                                      static_cast<int>(row.width() - 8)));
    painter.setFont(ProfilePixelFont(10));
    for (const auto &[label, value] : block.rows) {
        row.translate(0, BlockRowHeight);
        painter.setPen(QPen(Qt::black, 0.6));
        painter.drawLine(row.topLeft(), row.topRight());
        painter.drawLine(QPointF(row.left() + BlockLabelWidth, row.top()),
                         QPointF(row.left() + BlockLabelWidth, row.bottom()));
        painter.drawText(QRectF(row.left() + 4, row.top(), BlockLabelWidth - 8, row.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, label);
        const QRectF valueRect(row.left() + BlockLabelWidth + 4, row.top(), BlockValueWidth - 8,
                               row.height());
        painter.drawText(valueRect, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(value, Qt::ElideMiddle,
                                                          static_cast<int>(valueRect.width())));
    }
}

bool WriteBuffer(const QString &path, const QBuffer &buffer, QString *error)
{
    return WriteWholeFile(path, buffer.data(), error);
}

} // namespace

void PrintProfile(QPagedPaintDevice &device, ProfileView &view, const ProfileTitleBlock &block)
{
    QPainter painter(&device);
    const QRectF sheet = PageSheet(SetLogicalPage(painter));
    // The drawing above the title block, the block in the sheet's lower right corner.
    const double blockHeight = (block.rows.size() + 1) * BlockRowHeight;
    RenderView(view, painter, sheet.adjusted(2, 2, -2, -blockHeight - 6));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.drawRect(sheet);
    DrawTitleBlock(painter, block, sheet.bottomRight());
}

bool SaveProfilePdf(ProfileView &view, const ProfileTitleBlock &block, const QString &path,
                    QString *error)
{
    return SavePagesPdf(
        path, block.title, [&](QPagedPaintDevice &device) { PrintProfile(device, view, block); },
        error);
}

bool SaveProfilePicture(ProfileView &view, const ProfileTitleBlock &block, const QString &path,
                        QString *error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return SaveProfilePdf(view, block, path, error);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    // Twice the screen's pixels: sharp enough to print or to put in a report.
    const QSize size = view.viewport()->size() * 2;
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(block.title);
        QPainter painter(&svg);
        RenderView(view, painter, QRectF(QPointF(0, 0), QSizeF(size)));
    } else {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            RenderView(view, painter, QRectF(QPointF(0, 0), QSizeF(size)));
        }
        if (!image.save(&buffer, "PNG")) {
            if (error)
                *error = buffer.errorString();
            return false;
        }
    }
    buffer.close();
    return WriteBuffer(path, buffer, error);
}

} // namespace velmora
