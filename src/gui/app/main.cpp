// salvento: the desktop workbench.

#include "app/Startup.h"

int main(int argc, char* argv[])
{
    return RunSalvento(argc, argv);
}
