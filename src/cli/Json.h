#pragma once

#include <QJsonObject>
#include <QJsonValue>

// --json: the listings as one JSON document on standard output.

// A float as the number it prints as (21.3, not 21.299999237060547); null for NoValue.
QJsonValue JsonNumber(float value);
// The document, indented, on standard output.
void PrintJson(const QJsonObject& document);
