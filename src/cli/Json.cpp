#include "cli/Json.h"

#include "core/base/NumberText.h"

#include <QJsonDocument>

#include <charconv>
#include <cstdio>

QJsonValue JsonNumber(float value)
{
    if (value == NoValue)
        return QJsonValue::Null;
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    double shortest = 0;
    std::from_chars(text, end, shortest);
    return shortest;
}

void PrintJson(const QJsonObject& document)
{
    std::fputs(QJsonDocument(document).toJson(QJsonDocument::Indented).constData(), stdout);
}
