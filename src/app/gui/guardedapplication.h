#pragma once

#include <QApplication>

namespace velmora {

// The application object. An error that a handler let through is stopped here and shown by
// the main loop's error report, so that the loop goes on with the next event.
class GuardedApplication : public QApplication
{
    Q_OBJECT

public:
    GuardedApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace velmora
