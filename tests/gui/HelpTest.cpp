// The help pages built with the program and the help window that shows them.

#include "GuiTestSupport.h"

#include "core/base/Catalogue.h"
#include "gui/app/HelpWindow.h"
#include "gui/table/TableWin.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const QStringList Languages = {QStringLiteral("pl"), QStringLiteral("en")};

QString BuiltPages(const QString& language)
{
    return QDir(QStringLiteral(SALVENTO_BIN_DIR)).filePath(QStringLiteral("help/") + language);
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList PageNames(const QString& language)
{
    return QDir(BuiltPages(language)).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

// Every help topic number the program's windows, dialogs and menu items carry, read from the
// sources: SetHelpTopic(window, N), setProperty("helpTopic", N), AddItem(menu, …, N), and topic 1
// for whatever has none.
std::set<int> TopicsInTheCode()
{
    std::set<int> topics{1};
    const QRegularExpression topic(
        QStringLiteral(R"(SetHelpTopic\([^,]+,\s*(\d+)\)|"helpTopic",\s*(\d+)\)|AddItem\([^;]*,\s*(\d+)\);)"));
    QDirIterator files(QStringLiteral(SALVENTO_RESOURCES "/../src/gui"), {QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext())
        for (const QRegularExpressionMatch& match : topic.globalMatch(ReadText(files.next())))
            for (int group = 1; group <= 3; ++group)
                if (match.capturedLength(group) > 0)
                    topics.insert(match.captured(group).toInt());
    return topics;
}

TEST(HelpPages, EveryTopicOfTheCodeHasAPageInBothLanguages)
{
    const std::set<int> topics = TopicsInTheCode();
    EXPECT_GT(topics.size(), 40u);
    for (const QString& language : Languages)
        for (const int topic : topics)
            EXPECT_TRUE(QFile::exists(QDir(BuiltPages(language)).filePath(QStringLiteral("%1.html").arg(topic))))
                << language.toStdString() << " " << topic;
}

TEST(HelpPages, EveryPageHasItsCounterpartInTheOtherLanguage)
{
    EXPECT_EQ(PageNames(QStringLiteral("pl")), PageNames(QStringLiteral("en")));
}

// Every kind 0…94 has its page, and a computed kind's page links to what its formula reads: an
// input it needs only when radiation is not measured (Rprim), an intermediate of the heat balance
// (PST), the classes of the weather code.
TEST(HelpPages, EveryKindHasItsPageWithItsInputsLinked)
{
    for (const QString& language : Languages)
        for (int id = 0; id < kind::ListedCount; ++id) {
            const QString page = ReadText(
                QDir(BuiltPages(language))
                    .filePath(
                        QStringLiteral("kind-%1.html").arg(QLatin1String(KindCatalogue[std::size_t(id)].ShortName))));
            ASSERT_FALSE(page.isEmpty()) << language.toStdString() << " " << KindCatalogue[std::size_t(id)].ShortName;
            if (id >= kind::FirstComputed) {
                EXPECT_TRUE(page.contains(QStringLiteral("<li><a href=\"")))
                    << "no input linked on " << KindCatalogue[std::size_t(id)].ShortName;
            }
        }
    struct Case
    {
        const char* kind;
        QStringList links;
    };
    const Case cases[] = {
        {"UTCI", {"kind-t.html", "kind-e.html", "kind-Mrt.html", "kind-v10m.html", "kind-v.html"}},
        {"Rprim", {"kind-Kglob.html", "kind-N.html", "kind-vis.html"}},
        {"PST", {"heat-balance.html#hc", "heat-balance.html#LgLa", "kind-mR.html"}},
        {"Weather", {"kind-W_Sens.html", "kind-W_Strain.html", "kind-W_Snow.html"}},
    };
    for (const Case& c : cases) {
        const QString page = ReadText(
            QDir(BuiltPages(QStringLiteral("en"))).filePath(QStringLiteral("kind-%1.html").arg(QLatin1String(c.kind))));
        for (const QString& link : c.links)
            EXPECT_TRUE(page.contains(QStringLiteral("href=\"%1\"").arg(link))) << c.kind << " " << link.toStdString();
    }
}

// Every kind's page says, in this order, what the quantity is, how to read a value, how a computed
// one is computed, where it holds and where it comes from.
TEST(HelpPages, EveryKindPageTeachesItsQuantity)
{
    const std::map<QString, QStringList> sections = {
        {QStringLiteral("en"),
         {"<h2>What it is", "<h2>How to read it", "<h2>(Formula|How it is computed)", "<h2>Valid range and limits",
          "<h2>Source"}},
        {QStringLiteral("pl"),
         {"<h2>Czym jest", "<h2>Jak czytać wartość", "<h2>(Wzór|Jak jest oblicza)",
          "<h2>Zakres stosowania i ograniczenia", "<h2>Źródło"}},
    };
    for (const auto& [language, headings] : sections)
        for (int id = 0; id < kind::ListedCount; ++id) {
            const char* name = KindCatalogue[std::size_t(id)].ShortName;
            const QString page = ReadText(
                QDir(BuiltPages(language)).filePath(QStringLiteral("kind-%1.html").arg(QLatin1String(name))));
            qsizetype at = 0;
            for (const QString& heading : headings) {
                const bool formula = heading.contains(QLatin1Char('|'));
                if (formula && id < kind::FirstComputed)
                    continue;
                at = page.indexOf(QRegularExpression(heading), at);
                EXPECT_GE(at, 0) << language.toStdString() << " " << name << ": " << heading.toStdString();
                at = std::max<qsizetype>(at, 0);
            }
        }
}

TEST(HelpPages, NoInternalLinkIsBroken)
{
    const QRegularExpression href(QStringLiteral("href=\"([^\"#]*)(?:#([^\"]*))?\""));
    for (const QString& language : Languages) {
        const QDir pages(BuiltPages(language));
        for (const QString& name : PageNames(language))
            for (const QRegularExpressionMatch& link : href.globalMatch(ReadText(pages.filePath(name)))) {
                const QString target = link.captured(1).isEmpty() ? name : link.captured(1);
                if (target.contains(QLatin1Char(':')))
                    continue;   // a link out of the help
                const QString text = ReadText(pages.filePath(target));
                EXPECT_FALSE(text.isEmpty())
                    << language.toStdString() << "/" << name.toStdString() << " -> " << target.toStdString();
                if (link.capturedLength(2) > 0) {
                    EXPECT_TRUE(text.contains(QStringLiteral("name=\"%1\"").arg(link.captured(2))))
                        << language.toStdString() << "/" << name.toStdString() << " -> "
                        << link.captured(0).toStdString();
                }
            }
    }
}

TEST(HelpWindow, ContentsIndexAndSearchLeadToThePages)
{
    THelpWindow help(BuiltPages(QStringLiteral("en")));
    auto* contents = help.findChild<QTreeWidget*>(QStringLiteral("HelpContents"));
    ASSERT_NE(contents, nullptr);
    ASSERT_GT(contents->topLevelItemCount(), 3);
    emit contents->itemActivated(contents->topLevelItem(0), 0);
    EXPECT_EQ(QFileInfo(help.Page()).fileName(), QStringLiteral("1.html"));

    auto* term = help.findChild<QLineEdit*>(QStringLiteral("HelpTerm"));
    auto* terms = help.findChild<QListWidget*>(QStringLiteral("HelpTerms"));
    term->setFocus();
    QTest::keyClicks(term, QStringLiteral("weather type"));
    QTest::keyClick(term, Qt::Key_Return);
    EXPECT_EQ(terms->currentItem()->text(), QStringLiteral("weather type"));
    EXPECT_EQ(QFileInfo(help.Page()).fileName(), QStringLiteral("weather-code.html"));
    EXPECT_EQ(contents->currentItem()->data(0, Qt::UserRole).toString(), QStringLiteral("weather-code.html"));

    auto* words = help.findChild<QLineEdit*>(QStringLiteral("HelpWords"));
    auto* found = help.findChild<QListWidget*>(QStringLiteral("HelpFound"));
    words->setText(QStringLiteral("reference PERSON utci"));
    emit words->returnPressed();
    QStringList pages;
    for (int row = 0; row < found->count(); ++row)
        pages += found->item(row)->data(Qt::UserRole).toString();
    EXPECT_TRUE(pages.contains(QStringLiteral("kind-UTCI.html"))) << pages.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(pages.contains(QStringLiteral("104.html")));
}

// F1 in a dialog opens the dialog's own topic, in a help window that belongs to the dialog; a
// topic without a page opens the contents.
TEST(HelpWindow, F1OpensTheTopicOfEachDialog)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    const TMainActions& a = form.Actions();
    QDir(fixture.Home().Path(QString())).mkpath(QStringLiteral("help/pl"));
    const auto page = [&](int topic) { return fixture.Home().Path(QStringLiteral("help/pl/%1.html").arg(topic)); };
    struct Case
    {
        QAction* action;
        int topic;
    };
    const Case cases[] = {{a.Options, 310},    {a.About, 301},         {a.DataOptions, 304},      {a.Insert, 306},
                          {a.Delete, 305},     {a.ColumnOptions, 303}, {a.Calculate, 302},        {a.Find, 128},
                          {a.FindColumn, 129}, {a.Statistics, 143},    {a.WhatCanBeComputed, 141}};
    for (const Case& c : cases)
        fixture.Home().Write(QStringLiteral("help/pl/%1.html").arg(c.topic), "<h1>topic</h1>");
    fixture.Home().Write(QStringLiteral("help/pl/index.html"), "<h1>contents</h1>");
    AddTable(form, {QStringLiteral("t")}, {{QStringLiteral("20")}});
    form.ActiveTableWin()->SelectCell(1, 1);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.topic);
        bool shown = false;
        WhenModal([&, expected = page(c.topic)](QWidget* dialog) {
            shown = true;
            QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
            QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
            QApplication::sendEvent(target, &f1);
            auto* help = dialog->findChild<THelpWindow*>();
            ASSERT_NE(help, nullptr);
            EXPECT_TRUE(help->isVisible());
            EXPECT_EQ(help->Page(), expected);
            dialog->close();
        });
        c.action->trigger();
        EXPECT_TRUE(shown);
    }
    const QString contents = fixture.Home().Path(QStringLiteral("help/pl/index.html"));
    EXPECT_EQ(THelpWindow::TopicPage(fixture.Home().Path(QString()), 1045, 999), contents);

    // In an open menu, F1 asks about the highlighted item ("Opcje &danych ..." is topic 162).
    fixture.Home().Write(QStringLiteral("help/pl/162.html"), "<p>Opcje danych</p>");
    QMenu* options = nullptr;
    for (QMenu* menu : form.findChildren<QMenu*>())
        if (menu->title() == QStringLiteral("Op&cje"))
            options = menu;
    ASSERT_NE(options, nullptr);
    options->popup(QPoint(0, 0));
    options->setActiveAction(a.DataOptions);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(options, &f1);
    options->hide();
    auto* help = form.findChild<THelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Page(), page(162));
    EXPECT_TRUE(help->screen()->availableGeometry().contains(help->frameGeometry()));

    // The help menu item opens the contents.
    a.Help->trigger();
    EXPECT_EQ(form.findChild<THelpWindow*>()->Page(), contents);
}

}   // namespace
