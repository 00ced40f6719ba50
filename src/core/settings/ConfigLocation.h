#pragma once

#include <QString>

// The SALVENTO.INI in use. Beside the program when the program's directory can be written (a
// build tree, a portable copy); otherwise, as for an installed program, the user's copy in
// `configHome`/salvento/, made from the shipped file at the first start, so that options, data
// options and the language choice outlive the program run.
QString ConfigPath(const QString& programDirectory, const QString& configHome, bool programDirectoryWritable);

// The same for the running program, from the directory of its executable: beside it only when the
// shipped files lie there (DataDirectory), in $XDG_CONFIG_HOME (default ~/.config) otherwise.
QString ConfigPath(const QString& programDirectory);

// Where the files that ship with the program lie (the default SALVENTO.INI, WSI.INI, the language
// modules, help, examples): the program's own directory when SALVENTO.INI lies there (a build tree,
// a portable copy), else the data directory of an installed program, share/salvento beside its
// bin/, when SALVENTO.INI lies there, else the program's own directory.
QString DataDirectory(const QString& programDirectory);

// The language module of the program at `programPath` for a language (1045 Polish, 1033
// English): the program's file name with the extension "PLK" or "ENU" (appended when the name has
// none), or else the first two letters of it; empty when neither file exists.
QString FindLanguageModule(const QString& programPath, int language);
