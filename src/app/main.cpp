#include "gui/commandline.h"
#include "gui/guardedapplication.h"
#include "gui/startup.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char *argv[])
{
    // --help and --version need no display: a desktop application object would end the
    // program without one.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (velmora::AsksForTextOnly(arguments)) {
        QCoreApplication app(argc, argv);
        return velmora::AnswerTextOnly(app.arguments());
    }
    velmora::GuardedApplication app(argc, argv);
    return velmora::StartProgram(app.arguments());
}
