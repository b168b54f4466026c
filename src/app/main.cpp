#include "guardedapplication.h"
#include "startup.h"

int main(int argc, char *argv[])
{
    velmora::GuardedApplication app(argc, argv);
    return velmora::RunProgram();
}
