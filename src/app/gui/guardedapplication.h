#pragma once

#include <QApplication>

namespace velmora {

// The application object. Every handler that can fail runs through the guard (guard.h), so
// an error that reaches the event loop is a fault of the program, and what it left half done
// is unknown: it is stopped here, shown with the fatal message and its own text, and the main
// loop ends with status 1 (an exception must not unwind through Qt's event loop).
class GuardedApplication : public QApplication
{
    Q_OBJECT

public:
    GuardedApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace velmora
