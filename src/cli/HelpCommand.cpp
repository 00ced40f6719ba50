#include "cli/CliUserInterface.h"
#include "cli/Commands.h"

#include "core/data/DataManager.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>

namespace {

// The text of a help page: its body without markup, a line for each heading, paragraph, list item
// and table row, cells parted by tabs, entities read.
QString PlainText(QString html)
{
    if (const qsizetype body = html.indexOf(QStringLiteral("<body>")); body >= 0)
        html.remove(0, body + 6);
    html.replace(QRegularExpression(QStringLiteral("\\s*\\n\\s*")), QStringLiteral(" "));
    html.replace(QRegularExpression(QStringLiteral("<li[^>]*>")), QStringLiteral("\n  – "));
    html.replace(QRegularExpression(QStringLiteral("</(h[1-6]|p|tr|ul|ol|table|div)>|<br\\s*/?>")),
                 QStringLiteral("\n"));
    html.replace(QRegularExpression(QStringLiteral("<h[1-6][^>]*>")), QStringLiteral("\n"));
    html.replace(QRegularExpression(QStringLiteral("</t[dh]>")), QStringLiteral("\t"));
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&nbsp;"), QStringLiteral(" "))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    QStringList lines;
    for (const QString& line : html.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() || (!lines.isEmpty() && !lines.last().isEmpty()))
            lines << (line.startsWith(QStringLiteral("  – ")) ? QStringLiteral("  ") + trimmed : trimmed);
    }
    return lines.join(QLatin1Char('\n')).trimmed() + QLatin1Char('\n');
}

}   // namespace

// help [KIND]: the data kinds with their descriptions, or one kind's reference from the help pages
// of the configuration's language, as plain text.
int RunHelp(CommandContext& context)
{
    if (context.arguments.size() > 1)
        return Usage(QStringLiteral("help takes at most one kind"));
    const DataManager& kinds = context.kinds;
    if (context.arguments.isEmpty()) {
        for (int id = 0; id < kind::ListedCount; ++id) {
            const TAbstractData& data = *kinds.GetById(id);
            std::fputs((data.Name + QLatin1Char('\t') + data.Description + QLatin1Char('\n')).toUtf8().constData(),
                       stdout);
        }
        return ExitOk;
    }
    const TAbstractData* data = kinds.FindByName(context.arguments[0].trimmed());
    if (!data || data->Id >= kind::ListedCount) {
        context.ui.ShowMessage(QStringLiteral("salvento-cli: %1: no such data kind").arg(context.arguments[0]),
                               UserInterface::Icon::Error);
        return ExitFileError;
    }
    const QString path
        = QDir(kinds.ProgramDirectory())
              .filePath(QStringLiteral("help/%1/kind-%2.html").arg(kinds.LanguageCode().toLower(), data->ShortName));
    QFile page(path);
    if (!page.open(QIODevice::ReadOnly)) {
        context.ui.ShowMessage(QStringLiteral("salvento-cli: %1 cannot be read").arg(QDir::toNativeSeparators(path)),
                               UserInterface::Icon::Error);
        return ExitFileError;
    }
    std::fputs(PlainText(QString::fromUtf8(page.readAll())).toUtf8().constData(), stdout);
    return ExitOk;
}
