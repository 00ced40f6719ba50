#pragma once

#include <QString>
#include <QStringView>

#include <initializer_list>
#include <variant>

// One argument of a formatted message: an integer (%d), a number (%f) or a text (%s).
using MessageArg = std::variant<int, double, QString>;

// A message filled the printf way: each conversion (%d, %f or %s, with the usual flags, width and
// precision) takes the next argument, "%%" prints a single "%". The decimal point of every %f
// number is `decimalSeparator`, and a negative number that rounds to zero prints as zero; texts
// around the numbers are left as they are. A conversion whose argument is missing or of another
// type prints nothing, so that a faulty translation cannot crash.
QString FormatMessage(QStringView format, std::initializer_list<MessageArg> args, const QString& decimalSeparator);
