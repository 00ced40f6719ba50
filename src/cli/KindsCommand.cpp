#include "cli/Commands.h"
#include "cli/Json.h"

#include "core/data/DataManager.h"

#include <QCommandLineParser>
#include <QJsonArray>

#include <cstdio>

namespace {

QString ConfigNumber(float value)
{
    return value == NoValue ? QString() : FormatNumber(value, 2);
}

// A kind for --json: the fields of its line, its description and its classes (each with the
// threshold it ends below; the last has none).
QJsonObject KindObject(const TAbstractData& data)
{
    QJsonArray classes;
    for (const TClassEntry& entry : data.Thresholds)
        classes.append(QJsonObject{
            {QStringLiteral("name"), entry.Name},
            {QStringLiteral("below"), entry.Threshold ? JsonNumber(*entry.Threshold) : QJsonValue(QJsonValue::Null)}});
    return {{QStringLiteral("id"), data.Id},
            {QStringLiteral("shortName"), data.ShortName},
            {QStringLiteral("name"), data.Name},
            {QStringLiteral("description"), data.Description},
            {QStringLiteral("integer"), data.IsInteger},
            {QStringLiteral("textual"), data.IsTextual},
            {QStringLiteral("minimum"), JsonNumber(data.Minimum)},
            {QStringLiteral("maximum"), JsonNumber(data.Maximum)},
            {QStringLiteral("default"), JsonNumber(data.DefaultValue)},
            {QStringLiteral("typical"), JsonNumber(data.TypicalValue)},
            {QStringLiteral("classes"), classes}};
}

}   // namespace

// kinds: one line per data kind with its identifier, short name, Name, integer and textual flags,
// minimum, maximum, default and typical value (empty when none); --json adds descriptions and classes.
int RunKinds(CommandContext& context)
{
    if (!context.arguments.isEmpty())
        return Usage(QStringLiteral("kinds takes no arguments"));
    if (context.parser.isSet(QStringLiteral("json"))) {
        QJsonArray kinds;
        for (int id = 0; id < kind::Count; ++id)
            kinds.append(KindObject(*context.kinds.GetById(id)));
        PrintJson({{QStringLiteral("kinds"), kinds}});
        return ExitOk;
    }
    for (int id = 0; id < kind::Count; ++id) {
        const TAbstractData& data = *context.kinds.GetById(id);
        const QStringList fields{QString::number(data.Id),
                                 data.ShortName,
                                 data.Name,
                                 data.IsInteger ? QStringLiteral("1") : QStringLiteral("0"),
                                 data.IsTextual ? QStringLiteral("1") : QStringLiteral("0"),
                                 ConfigNumber(data.Minimum),
                                 ConfigNumber(data.Maximum),
                                 ConfigNumber(data.DefaultValue),
                                 ConfigNumber(data.TypicalValue)};
        std::fputs((fields.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8().constData(), stdout);
    }
    return ExitOk;
}
