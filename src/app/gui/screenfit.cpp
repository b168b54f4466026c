#include "gui/screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace velmora {

void FitOnScreen(QWidget *window)
{
    const QRect frame = window->frameGeometry();
    QScreen *screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize margins = frame.size() - window->size();
    const QSize size = window->size().boundedTo(area.size() - margins);
    if (size != window->size())
        window->resize(size);
    const QSize outer = size + margins;
    const int x = std::clamp(frame.x(), area.left(), area.left() + area.width() - outer.width());
    const int y = std::clamp(frame.y(), area.top(), area.top() + area.height() - outer.height());
    if (QPoint(x, y) != frame.topLeft())
        window->move(x, y);
}

} // namespace velmora
