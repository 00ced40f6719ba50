#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// A command of the batch tool and the long names of the options that belong to it.
using CommandOptions = std::pair<QString, QStringList>;

// The completion script of the batch tool for `shell` ("bash" or "zsh"): the commands, every
// command's options and the global ones (`global`, plus --help and --version), file and directory
// names where they are due, and the data kinds' names (asked of the tool itself, `kinds`) after
// --indices, --have, --columns and --column. Empty for another shell.
QString CompletionScript(const QString& shell, const std::vector<CommandOptions>& commands,
                         const QList<QCommandLineOption>& options, const QStringList& global);
