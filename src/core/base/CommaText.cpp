#include "core/base/CommaText.h"

namespace {

bool IsBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

// Reads the quoted item starting at text[i] (a quote) and moves i past its closing quote.
QString ReadQuoted(QStringView text, qsizetype& i)
{
    QString item;
    ++i;
    while (i < text.size()) {
        if (text[i] == QLatin1Char('"')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                item += QLatin1Char('"');
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        item += text[i++];
    }
    return item;
}

}   // namespace

QStringList SplitCommaText(QStringView text)
{
    QStringList items;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    while (i < n) {
        if (text[i] == QLatin1Char('"')) {
            items.append(ReadQuoted(text, i));
        } else {
            const qsizetype start = i;
            while (i < n && text[i].unicode() > 32 && text[i] != QLatin1Char(','))
                ++i;
            items.append(text.sliced(start, i - start).toString());
        }
        while (i < n && IsBlank(text[i]))
            ++i;
        if (i < n && text[i] == QLatin1Char(',')) {
            if (i + 1 == n)
                items.append(QString());
            do
                ++i;
            while (i < n && IsBlank(text[i]));
        }
    }
    return items;
}
