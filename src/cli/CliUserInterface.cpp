#include "CliUserInterface.h"

#include <cstdio>

void CliUserInterface::ShowMessage(const QString& text, Icon)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

bool CliUserInterface::AskYesNo(const QString& text)
{
    ShowMessage(text, Icon::Question);
    return false;
}

std::optional<LoadOptions> CliUserInterface::ChooseLoadOptions(const LoadOptionsRequest& request)
{
    LoadOptions options = LoadOptions::Defaults(request);
    if (!dataSeparator.isEmpty())
        options.dataSeparator = dataSeparator;
    if (!decimalSeparator.isEmpty())
        options.decimalSeparator = decimalSeparator;
    if (const QString refusal = options.Check(); !refusal.isEmpty()) {
        ShowMessage(refusal, Icon::None);
        optionsRefused = true;
        return std::nullopt;
    }
    return options;
}
