#pragma once

#include "gui/app/HelpBook.h"

#include <QWidget>

#include <map>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolBar;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

// The help: the HTML pages of help/pl/ or help/en/ beside the program, with their contents, an
// index of terms and a search of their text, back and forward, printing and saving of a page.
// One help window exists at a time; it belongs to the window it was opened from (a dialog's help
// stays usable while the dialog is modal, and goes with it).
class THelpWindow : public QWidget
{
    Q_OBJECT

public:
    // `directory`: the pages of one language.
    explicit THelpWindow(const QString& directory, QWidget* parent = nullptr);

    // The directory of the pages in the interface language (1045 Polish, any other English).
    static QString PageDirectory(const QString& programDirectory, int language);
    // The page of a topic in the interface language: <topic>.html when it exists, else the
    // language's contents, index.html.
    static QString TopicPage(const QString& programDirectory, int language, int topic);

    // Opens the help at a topic, in the interface language (1045 Polish, 1033 English).
    static void ShowTopic(const QString& programDirectory, int language, int topic, QWidget* parent);
    // Opens the help at its contents.
    static void ShowContents(const QString& programDirectory, int language, QWidget* parent);

    // The page shown, a local file path.
    QString Page() const;
    void ShowPage(const QString& path);

private:
    // Opens the one help window, on the pages of `directory`, at the page with path `page`.
    static void Open(const QString& directory, const QString& page, QWidget* parent);

    QToolBar* CreateToolBar();
    QWidget* CreateContents();
    QWidget* CreateIndex();
    QWidget* CreateSearch();
    void AddEntries(QTreeWidgetItem* parent, const std::vector<THelpBook::Entry>& entries);
    void FollowPage(const QUrl& page);
    void ShowTerm(const QString& text);
    void Search();
    void PrintPage();
    void SavePage();

    THelpBook m_book;
    QTextBrowser* m_browser;
    QTabWidget* m_tabs;
    QTreeWidget* m_contents;
    QLineEdit* m_term;
    QListWidget* m_terms;
    QLineEdit* m_words;
    QListWidget* m_found;
    std::map<QString, QTreeWidgetItem*> m_contentsItems;   // by page
};
