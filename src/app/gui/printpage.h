#pragma once

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace velmora {

// The program's printed pages (the results, the line profile) are drawn in logical units,
// PrintPageWidth across whatever the device's resolution; fonts are sized in the same units so
// that a printer and a PDF file look alike.
constexpr int PrintPageWidth = 1100;
constexpr int PrintPageMargin = 20;

// Sets painter's window to the logical page, PrintPageWidth across and as tall as the device's
// page is in proportion; returns the page's size in logical units.
QSizeF SetLogicalPage(QPainter &painter);

// The part of a logical page of size page inside its margins.
QRectF PageSheet(QSizeF page);

// A font sized in pixels, the page's logical units; family empty: the application's font.
QFont PagePixelFont(int pixels, bool bold = false, const QString &family = {});

// The pages print draws as a PDF file at path: A4 landscape, 10 mm margins, 300 dpi, with
// title as the document's title. Through the program's one safe writer: the file is whole or
// the old one stays. False with the reason in *error.
bool SavePagesPdf(const QString &path, const QString &title,
                  const std::function<void(QPagedPaintDevice &)> &print, QString *error);

} // namespace velmora
