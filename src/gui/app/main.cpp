// salvento: the desktop workbench.

#include "gui/app/Startup.h"

int main(int argc, char* argv[])
{
    return RunSalvento(argc, argv);
}
