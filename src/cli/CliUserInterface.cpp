#include "cli/CliUserInterface.h"

#include "core/data/DataManager.h"

#include <cstdio>

void CliUserInterface::ShowMessage(const QString& text, Icon)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

void CliUserInterface::ShowReport(const QString& text)
{
    if (!quiet)
        ShowMessage(text, Icon::Information);
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

std::optional<CalcChoices> CliUserInterface::ChooseCalculation(const CalcSettings&)
{
    return calcChoices;
}

std::optional<KindFlags> CliUserInterface::ChooseIndices(const KindFlags& possible, const KindFlags&)
{
    if (indexNames.isEmpty())
        return possible;
    KindFlags chosen{};
    for (const QString& name : indexNames) {
        const TAbstractData* data = kinds->FindByName(name);
        if (!data || !possible[std::size_t(data->Id)]) {
            ShowMessage(QStringLiteral("salvento-cli: %1: ").arg(name)
                            + (data ? QStringLiteral("cannot be computed from these data")
                                    : QStringLiteral("no such data kind")),
                        Icon::Error);
            return std::nullopt;
        }
        chosen[std::size_t(data->Id)] = true;
    }
    return chosen;
}
