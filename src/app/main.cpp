#include "gui/guardedapplication.h"
#include "gui/startup.h"

int main(int argc, char *argv[])
{
    velmora::GuardedApplication app(argc, argv);
    return velmora::StartProgram(app.arguments());
}
