#include "gui/app/HelpBook.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {

QString ReadPage(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString Decoded(QString text)
{
    return text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

// The text a reader sees in the body of a page.
QString BodyText(const QString& html)
{
    const qsizetype body = html.indexOf(QStringLiteral("<body>"));
    QString text = html.mid(body < 0 ? 0 : body);
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return Decoded(text).simplified();
}

}   // namespace

THelpBook::THelpBook(QString directory) : m_directory(std::move(directory))
{
    const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"));
    const QRegularExpression keywords(QStringLiteral("<meta name=\"keywords\" content=\"([^\"]*)\">"));
    for (const QString& name : QDir(m_directory).entryList({QStringLiteral("*.html")}, QDir::Files)) {
        const QString html = ReadPage(PagePath(name));
        Page& page = m_pages[name];
        page.Title = Decoded(title.match(html).captured(1));
        for (const QString& keyword : keywords.match(html).captured(1).split(QLatin1Char(';'), Qt::SkipEmptyParts))
            page.Keywords += Decoded(keyword.trimmed());
        page.Text = BodyText(html);
    }
}

QString THelpBook::PagePath(const QString& name) const
{
    return QDir(m_directory).filePath(name);
}

QString THelpBook::Title(const QString& page) const
{
    const auto found = m_pages.find(page);
    return found == m_pages.end() ? page : found->second.Title;
}

std::vector<THelpBook::Entry> THelpBook::Contents() const
{
    std::vector<Entry> contents;
    const QString html = ReadPage(PagePath(QStringLiteral("index.html")));
    const QRegularExpression part(QStringLiteral("<ul>|</ul>|<li>\\s*(?:<a href=\"([^\"]*)\">([^<]*)</a>|([^<]*))"));
    std::vector<std::vector<Entry>*> lists;
    for (const QRegularExpressionMatch& match : part.globalMatch(html)) {
        const QString token = match.captured(0);
        if (token == QLatin1String("<ul>")) {
            if (lists.empty())
                lists.push_back(&contents);
            else if (!lists.back()->empty())
                lists.push_back(&lists.back()->back().Children);
        } else if (token == QLatin1String("</ul>")) {
            if (!lists.empty())
                lists.pop_back();
        } else if (!lists.empty()) {
            const bool link = match.capturedLength(1) > 0;
            lists.back()->push_back(
                {Decoded(match.captured(link ? 2 : 3)).simplified(), link ? match.captured(1) : QString(), {}});
        }
    }
    return contents;
}

std::vector<THelpBook::Term> THelpBook::Index() const
{
    std::vector<Term> terms;
    for (const auto& [name, page] : m_pages) {
        terms.push_back({page.Title, name});
        for (const QString& keyword : page.Keywords)
            terms.push_back({keyword, name});
    }
    std::sort(terms.begin(), terms.end(), [](const Term& a, const Term& b) {
        const int order = QString::compare(a.Text, b.Text, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.Page < b.Page;
    });
    terms.erase(std::unique(terms.begin(), terms.end(),
                            [](const Term& a, const Term& b) { return a.Text == b.Text && a.Page == b.Page; }),
                terms.end());
    return terms;
}

QStringList THelpBook::Search(const QString& words) const
{
    const QStringList wanted = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList found;
    if (wanted.isEmpty())
        return found;
    for (const auto& entry : m_pages) {
        const auto& page = entry.second;
        if (std::all_of(wanted.begin(), wanted.end(), [&page](const QString& word) {
                return page.Text.contains(word, Qt::CaseInsensitive) || page.Title.contains(word, Qt::CaseInsensitive);
            }))
            found += entry.first;
    }
    std::sort(found.begin(), found.end(), [this](const QString& a, const QString& b) {
        return QString::compare(Title(a), Title(b), Qt::CaseInsensitive) < 0;
    });
    return found;
}
