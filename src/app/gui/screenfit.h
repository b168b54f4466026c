#pragma once

class QWidget;

namespace velmora {

// Keeps a top-level window (frame included) inside the available area of the screen under its
// centre, or of the primary screen when no screen is there (a geometry remembered from a
// screen that is gone): made no larger than that area, then moved into it.
void FitOnScreen(QWidget *window);

} // namespace velmora
