#include "core/stats/MessageFormat.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsFlag(QChar c)
{
    return c == u'-' || c == u'+' || c == u' ' || c == u'#' || c == u'0';
}

// One conversion with its argument; `directive` is the whole "%…x" text, plain ASCII.
QString Convert(const QByteArray& directive, char conversion, const MessageArg* arg, const QString& decimalSeparator)
{
    if (!arg)
        return QString();
    switch (conversion) {
    case 'd':
        if (const int* value = std::get_if<int>(arg))
            return QString::asprintf(directive.constData(), *value);
        return QString();
    case 'f':
        if (const double* value = std::get_if<double>(arg)) {
            QString text = QString::asprintf(directive.constData(), *value);
            // A negative number that rounds to zero prints as zero: there is no negative zero.
            if (std::signbit(*value) && *value > -1.0
                && std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'1' && c <= u'9'; }))
                text = QString::asprintf(directive.constData(), 0.0);
            if (decimalSeparator != QStringLiteral("."))
                text.replace(QLatin1Char('.'), decimalSeparator);
            return text;
        }
        return QString();
    default:   // 's'
        if (const QString* value = std::get_if<QString>(arg)) {
            // The width counts characters, not bytes: pad the text here rather than in asprintf.
            QByteArray padding = directive;
            padding.chop(1);
            const bool left = padding.contains('-');
            const int width = padding.mid(1).replace('-', "").toInt();
            return left ? value->leftJustified(width) : value->rightJustified(width);
        }
        return QString();
    }
}

}   // namespace

QString FormatMessage(QStringView format, std::initializer_list<MessageArg> args, const QString& decimalSeparator)
{
    QString result;
    const MessageArg* next = args.begin();
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format[i];
        if (c != u'%') {
            result += c;
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        if (end < format.size() && format[end] == u'%') {
            result += u'%';
            i = end + 1;
            continue;
        }
        while (end < format.size() && IsFlag(format[end]))
            ++end;
        while (end < format.size() && (format[end].isDigit() || format[end] == u'.'))
            ++end;
        if (end >= format.size() || (format[end] != u'd' && format[end] != u'f' && format[end] != u's')) {
            result += format.mid(i, end - i);   // not a conversion this formatter knows: kept as written
            i = end;
            continue;
        }
        const QByteArray directive = format.mid(i, end - i + 1).toLatin1();
        result += Convert(directive, char(format[end].unicode()), next != args.end() ? next : nullptr,
                          decimalSeparator);
        if (next != args.end())
            ++next;
        i = end + 1;
    }
    return result;
}
