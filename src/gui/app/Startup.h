#pragma once

// The program's start: the configuration in use, the interface language (asked once), its language
// module, the main window with the data kinds, the files named on the command line, the event loop.
int RunSalvento(int argc, char* argv[]);
