#pragma once

#include <QStringList>
#include <QStringView>

// Splits a comma text the way the configuration's class lists are written: items are separated by
// commas or by blanks (characters of code 32 or less); an item holding blanks or commas is written
// in double quotes, a quote inside it doubled. "a,,b" gives a, an empty item and b; a trailing comma
// gives a last empty item.
QStringList SplitCommaText(QStringView text);
