#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <vector>

// Text of a file as the program reads it: the bytes up to the first NUL; UTF-8 when they are valid
// UTF-8 (a leading byte-order mark is dropped), otherwise Windows-1250, the code page of the
// Polish Windows systems that these data and configuration files come from.
QString DecodeText(const QByteArray& bytes);

// The lines of a text: they end at CR LF, LF or CR. The views point into `text`. At most
// `maxLines` lines are returned; the rest of the text is then not looked at.
std::vector<QStringView> SplitLines(QStringView text, std::size_t maxLines = std::size_t(-1));
