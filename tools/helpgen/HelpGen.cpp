// Builds the help pages that ship beside the program: help/pl/ and help/en/.
//
//   salvento_helpgen <resources> <output>
//
// <resources> holds SALVENTO.INI, WSI.INI and help/, the hand-written pages of each language
// (help/<language>/*.html, the body of a page from its <h1> on) and the prose on the data kinds
// (help/<language>/kinds/<short name>.html). Every page gets the same head; the contents page gets
// the lists of the kinds; every kind 0…94 gets its page kind-<short name>.html, whose facts (name,
// description, unit, range, default and typical value, classes) come from SALVENTO.INI, whose
// inputs come from the formula itself, and whose explanation is the prose, where there is one.

#include "KindReads.h"
#include "KindText.h"

#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>
#include <map>

namespace {

QString ReadText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

bool WriteText(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0;
}

QString PlainText(QString html)
{
    return html.remove(QRegularExpression(QStringLiteral("<[^>]*>"))).simplified();
}

// The look of every page, within what the help window's text browser renders.
QString PageStyle()
{
    return QStringLiteral("body { font-family: sans-serif; }\n"
                          "h1 { font-size: x-large; color: #1f4e79; }\n"
                          "h2 { font-size: large; color: #1f4e79; }\n"
                          "table.facts td, table.classes td, table.classes th { padding: 2px 8px; }\n"
                          "th { text-align: left; background: #dde7f0; }\n"
                          ".formula { font-family: serif; font-style: italic; margin-left: 2em; }\n"
                          ".note { color: #555555; }\n");
}

// A whole page around its body: the title is the text of the body's first <h1>; the keywords are
// those of a comment "<!-- keywords: a; b -->" in the body and `keywords`.
QString Page(const QString& language, const QString& body, QStringList keywords = {})
{
    const QRegularExpressionMatch heading = QRegularExpression(QStringLiteral("<h1>(.*?)</h1>"),
                                                               QRegularExpression::DotMatchesEverythingOption)
                                                .match(body);
    const QRegularExpressionMatch listed = QRegularExpression(QStringLiteral("<!-- keywords: (.*?) -->")).match(body);
    if (listed.hasMatch())
        keywords += listed.captured(1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& keyword : keywords)
        keyword = keyword.trimmed().toHtmlEscaped();
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n<title>%2</title>\n"
                          "<meta name=\"keywords\" content=\"%3\">\n<style>\n%4</style>\n</head>\n<body>\n%5</body>\n"
                          "</html>\n")
        .arg(language, PlainText(heading.captured(1)).toHtmlEscaped(), keywords.join(QStringLiteral("; ")), PageStyle(),
             body);
}

// The labels of the internal kinds, from their anchors on the page of the heat-balance model:
// <a name="hc"></a>hc – convective heat transfer coefficient.
std::map<QString, QString> InternalLabels(const QString& modelPage)
{
    std::map<QString, QString> labels;
    const QRegularExpression anchor(QStringLiteral("<a name=\"([^\"]+)\"></a>([^<]+)"));
    for (const QRegularExpressionMatch& match : anchor.globalMatch(modelPage))
        labels[match.captured(1)] = match.captured(2).trimmed();
    return labels;
}

bool BuildLanguage(const QString& resources, const QString& output, const QString& language,
                   const std::vector<std::vector<int>>& reads)
{
    const QString code = language.toUpper();
    const DataManager kinds(CreateKind, QDir(resources).filePath(QStringLiteral("SALVENTO.INI")), code, resources);
    const QDir sources(QDir(resources).filePath(QStringLiteral("help/") + language));
    const QDir pages(QDir(output).filePath(language));
    if (!pages.mkpath(QStringLiteral(".")))
        return false;
    const KindText text(kinds, language,
                        InternalLabels(ReadText(sources.filePath(QStringLiteral("heat-balance.html")))), reads);
    bool ok = true;
    for (const QString& name : sources.entryList({QStringLiteral("*.html")}, QDir::Files)) {
        QString body = ReadText(sources.filePath(name));
        body.replace(QStringLiteral("<!-- inputs -->"), text.KindList(0, kind::FirstComputed));
        body.replace(QStringLiteral("<!-- indices -->"), text.KindList(kind::FirstComputed, kind::ListedCount));
        ok = WriteText(pages.filePath(name), Page(language, body)) && ok;
    }
    for (int id = 0; id < kind::ListedCount; ++id) {
        const TAbstractData& data = *kinds.GetById(id);
        const QString prose = ReadText(sources.filePath(QStringLiteral("kinds/%1.html").arg(data.ShortName)));
        ok = WriteText(pages.filePath(KindText::FileName(data)),
                       Page(language, text.KindBody(id, prose), {data.ShortName, data.Name, text.Subject(data)}))
            && ok;
    }
    return ok;
}

}   // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: salvento_helpgen <resources> <output>\n", stderr);
        return 2;
    }
    const QString resources = arguments[1];
    const QString output = arguments[2];
    for (const QString& language : {QStringLiteral("pl"), QStringLiteral("en")})
        QDir(QDir(output).filePath(language)).removeRecursively();
    // What each formula reads does not depend on the language.
    const DataManager kinds(CreateKind, QDir(resources).filePath(QStringLiteral("SALVENTO.INI")), QString(), resources);
    std::vector<std::vector<int>> reads(kind::Count);
    for (int id = kind::FirstComputed; id < kind::Count; ++id)
        reads[std::size_t(id)] = KindReads(kinds, id);
    for (const QString& language : {QStringLiteral("pl"), QStringLiteral("en")})
        if (!BuildLanguage(resources, output, language, reads)) {
            std::fprintf(stderr, "salvento_helpgen: cannot write the pages into %s\n", qPrintable(output));
            return 1;
        }
    return 0;
}
