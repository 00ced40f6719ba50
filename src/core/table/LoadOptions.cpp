#include "core/table/LoadOptions.h"

#include "core/base/NumberText.h"

#include <QCoreApplication>

namespace {

QChar FieldChar(const QString& field, QChar fallback)
{
    if (field.isEmpty())
        return fallback;
    return field[0] == QLatin1Char('t') ? QChar(u'\t') : field[0];
}

}   // namespace

LoadOptions LoadOptions::Defaults(const LoadOptionsRequest& request)
{
    LoadOptions options;
    options.dataSeparator = SeparatorFieldText(request.detectedSeparator);
    options.decimalSeparator = SeparatorFieldText(
        request.detectedDecimalSeparator.isNull() ? DecimalSeparator : request.detectedDecimalSeparator);
    return options;
}

QString LoadOptions::Check() const
{
    if (decimalSeparator == dataSeparator)
        return QCoreApplication::translate("LoadOptions",
                                           "Separator danych nie może być taki sam, jak separator dziesiętny !");
    return QString();
}

QChar LoadOptions::DataSeparatorChar(QChar detected) const
{
    return FieldChar(dataSeparator, detected);
}

QChar LoadOptions::DecimalSeparatorChar() const
{
    return FieldChar(decimalSeparator, DecimalSeparator);
}

QString SeparatorFieldText(QChar separator)
{
    if (separator == QChar(u'\t'))
        return QStringLiteral("t");
    if (separator.isNull())
        return QString();
    return QString(separator);
}
