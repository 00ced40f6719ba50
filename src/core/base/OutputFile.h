#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

// Writes the file `path` through `write`, which gets the open device and returns false when a write
// failed. A regular file, or one that does not exist yet, is replaced only when every byte was
// written: the bytes go to a temporary file beside it that takes its place at the end (through a
// link, the link stays and its target is replaced), so a failure leaves the old content. Anything
// else that exists — a pipe, a device — is written in place, never replaced, each write checked.
// False with `error` set when anything failed.
bool WriteOutputFile(const QString& path, const std::function<bool(QIODevice&)>& write, QString* error = nullptr);
