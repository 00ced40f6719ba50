#pragma once

#include <QWidget>

class QTextBrowser;

// The help: bundled HTML pages shown by topic number, from help/pl/ or help/en/ beside the program.
// One help window exists at a time; it belongs to the window it was opened from (a dialog's help
// stays usable while the dialog is modal, and goes with it).
class THelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // The page of a topic in the interface language (1045 Polish, any other English):
    // topic-N.html when it exists, else the language's index.html.
    static QString TopicPage(const QString& programDirectory, int language, int topic);

    // Opens the help at a topic, in the interface language (1045 Polish, 1033 English).
    static void ShowTopic(const QString& programDirectory, int language, int topic, QWidget* parent);

    // The page shown, a local file path.
    QString Page() const;

private:
    void ShowPage(const QString& path);

    QTextBrowser* m_browser;
};
