#pragma once

class IniFile;

// The program's start: the configuration in use, the interface language (asked once), its language
// module, the main window with the data kinds, the files named on the command line, the event loop.
int RunSalvento(int argc, char* argv[]);

// The interface language stored under Options/Language: 1045 (Polish) for "PL" in any letter case,
// 1033 (English) for any other value. When none is stored yet the language dialog asks (English
// focused) and the choice is stored as "PL" or "EN"; closing it without a choice gives 1033 and
// stores nothing, so that the next start asks again.
int InterfaceLanguage(IniFile& ini);
