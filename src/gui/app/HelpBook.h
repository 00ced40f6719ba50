#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <vector>

// The help pages of one language, help/pl/ or help/en/ beside the program: their contents (the
// nested lists of links of index.html), the index of terms (every page's title and keywords) and
// a search of their text.
class THelpBook
{
public:
    explicit THelpBook(QString directory);

    // An entry of the contents: a title, the page it opens (empty for a heading) and its entries.
    struct Entry
    {
        QString Title;
        QString Page;
        std::vector<Entry> Children;
    };

    // A term of the index and the page that explains it.
    struct Term
    {
        QString Text;
        QString Page;
    };

    const QString& Directory() const { return m_directory; }
    // The path of page `name` ("310.html"), whether or not it exists.
    QString PagePath(const QString& name) const;
    QString Title(const QString& page) const;

    std::vector<Entry> Contents() const;
    // Every page's title and keywords, sorted alphabetically, letter case ignored.
    std::vector<Term> Index() const;
    // The pages whose text holds every word of `words` (letter case ignored), by title.
    QStringList Search(const QString& words) const;

private:
    struct Page
    {
        QString Title;
        QStringList Keywords;
        QString Text;
    };

    QString m_directory;
    std::map<QString, Page> m_pages;   // by file name
};
