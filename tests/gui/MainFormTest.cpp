#include "GuiTestSupport.h"

#include "core/settings/IniFile.h"
#include "core/table/Table.h"
#include "gui/table/TableWin.h"

#include <QAction>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <map>

namespace {

bool MenuVisible(TMainForm& form, const QString& title)
{
    for (QAction* action : form.menuBar()->actions())
        if (action->text() == title)
            return action->isVisible();
    return false;
}

TEST(MainForm, TableCommandsFollowTheOpenTables)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    EXPECT_FALSE(MenuVisible(form, QStringLiteral("&Edycja")));
    EXPECT_FALSE(MenuVisible(form, QStringLiteral("O&kno")));
    EXPECT_FALSE(form.Actions().Save->isEnabled());
    EXPECT_FALSE(form.Actions().Calculate->isEnabled());

    form.Actions().New->trigger();
    ASSERT_EQ(form.MdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(MenuVisible(form, QStringLiteral("&Edycja")));
    EXPECT_TRUE(form.Actions().Calculate->isEnabled());
    EXPECT_FALSE(form.Actions().Save->isEnabled());   // nothing to save yet
    EXPECT_EQ(form.ActiveTableWin()->windowTitle(), QStringLiteral("Tabela 1"));

    form.ActiveTableWin()->Table().SetModified(true);
    EXPECT_TRUE(form.Actions().Save->isEnabled());

    AnswerMessage(QMessageBox::Discard);
    form.Actions().Close->trigger();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.MdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(form.Workbench().Tables().Count(), 0);
    EXPECT_FALSE(MenuVisible(form, QStringLiteral("&Edycja")));
}

TEST(MainForm, ShortcutsWorkAfterAMenuWasOpenedAndClosed)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QMenuBar* bar = form.menuBar();
    QAction* file = bar->actions().first();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file).center());
    QMenu* menu = file->menu();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    QTest::keyClick(menu, Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &form, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(form.Workbench().Tables().Count(), 1);
}

TEST(MainForm, NoTwoCommandsShareAShortcut)
{
    MainFormFixture fixture;
    std::map<QString, QString> owners;   // shortcut → the command holding it
    for (const QAction* action : fixture.Form().findChildren<QAction*>())
        for (const QKeySequence& shortcut : action->shortcuts()) {
            const auto [owner, fresh] = owners.emplace(shortcut.toString(), action->text());
            EXPECT_TRUE(fresh || owner->second == action->text())
                << shortcut.toString().toStdString() << ": " << owner->second.toStdString() << " and "
                << action->text().toStdString();
        }
}

TEST(MainForm, ClosingAModifiedTableAsksFirst)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    form.Actions().New->trigger();
    TTable& table = form.ActiveTableWin()->Table();
    table.SetModified(true);
    QString question;
    AnswerMessage(QMessageBox::Cancel, &question);
    form.Actions().Close->trigger();
    EXPECT_EQ(question,
              QStringLiteral("Tabela 1 zawiera niezapisane zmiany. Czy chcesz je zapisać przed zamknięciem ?"));
    EXPECT_EQ(form.Workbench().Tables().Count(), 1);

    // Quitting asks too; Save writes the table to its file and lets the program close.
    table.BindFile(fixture.Home().Path(QStringLiteral("kept.txt")));
    AnswerMessage(QMessageBox::Save);
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(QFileInfo::exists(fixture.Home().Path(QStringLiteral("kept.txt"))));
    EXPECT_FALSE(table.Modified());
}

TEST(MainForm, RemembersWhereItWasLeft)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    form.resize(640, 420);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.close();
    TMainForm again(fixture.Home().IniPath(), fixture.Home().Path(QString()));
    again.SetLanguage(1045);
    EXPECT_EQ(again.size(), QSize(640, 420));
}

TEST(MainForm, OpensAFileThroughTheLoadOptions)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    fixture.Home().Write(QStringLiteral("weather.txt"), "t;f;v;stacja\n12,5;80;3;Warszawa-Okęcie lotnisko\n");
    WhenModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Opcje wczytywania danych z pliku"));
        dialog->findChild<QLineEdit*>(QStringLiteral("edDecSep"))->setText(QStringLiteral(","));
        Press(dialog, QStringLiteral("&Wczytaj"));
    });
    form.OpenFiles({fixture.Home().Path(QStringLiteral("weather.txt"))});
    ASSERT_EQ(form.Workbench().Tables().Count(), 1);
    TTable& table = *form.Workbench().Tables().At(0);
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("12.50"));
    EXPECT_EQ(form.Workbench().Recent().Paths().first(), fixture.Home().Path(QStringLiteral("weather.txt")));
    const QModelIndex cell = form.ActiveTableWin()->Grid()->model()->index(0, 0);
    EXPECT_EQ(cell.data().toString(), QStringLiteral("12.50"));
    EXPECT_EQ(form.ActiveTableWin()->Grid()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("t"));
    // Columns fitted to what they hold.
    EXPECT_LT(form.ActiveTableWin()->Grid()->columnWidth(0), 80);
    EXPECT_GT(form.ActiveTableWin()->Grid()->columnWidth(3), 120);
}

}   // namespace

namespace {

// Opens a file through the load options dialog in the given mode; `then` answers what comes next.
void OpenInMode(TMainForm& form, const QString& path, int mode, const std::function<void()>& then = {})
{
    WhenModal([mode, then](QWidget* dialog) {
        auto buttons = dialog->findChildren<QRadioButton*>();
        ASSERT_EQ(buttons.size(), 4);
        buttons[mode]->setChecked(true);
        if (then)
            then();
        Press(dialog, QStringLiteral("&Wczytaj"));
    });
    form.OpenFiles({path});
}

TEST(MainForm, LoadsInEveryMode)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    TempHome& home = fixture.Home();
    home.Write(QStringLiteral("a.txt"), "t\tv\n1\t2\n3\t4\n");
    home.Write(QStringLiteral("b.txt"), "f\n50\n60\n70\n");
    home.Write(QStringLiteral("c.txt"), "V\n9\n");

    OpenInMode(form, home.Path(QStringLiteral("a.txt")), 0);
    ASSERT_EQ(form.Workbench().Tables().Count(), 1);
    TTable& table = *form.Workbench().Tables().At(0);
    EXPECT_EQ(table.RowCount(), 3);

    OpenInMode(form, home.Path(QStringLiteral("b.txt")), 2);   // new columns: the table grows to 3 rows
    EXPECT_EQ(table.ColCount(), 4);
    EXPECT_EQ(table.RowCount(), 4);
    EXPECT_EQ(table.CellNumber(3, 3), 70.0f);

    OpenInMode(form, home.Path(QStringLiteral("c.txt")), 3);   // rows under the same-named column
    EXPECT_EQ(table.RowCount(), 5);
    EXPECT_EQ(table.CellNumber(2, 4), 9.0f);
    EXPECT_TRUE(table.Modified());

    OpenInMode(form, home.Path(QStringLiteral("c.txt")), 1, [] { AnswerMessage(QMessageBox::Yes); });   // asks first
    EXPECT_EQ(form.Workbench().Tables().Count(), 1);
    EXPECT_EQ(table.ColCount(), 2);
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.FileName(), home.Path(QStringLiteral("c.txt")));
    EXPECT_EQ(form.ActiveTableWin()->Grid()->model()->rowCount(), 1);
}

TEST(MainForm, RecentFilesFillBothMenusAndReopen)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    TempHome& home = fixture.Home();
    home.Write(QStringLiteral("a.txt"), "t\n1\n");
    home.Write(QStringLiteral("b.txt"), "v\n2\n");
    auto* recent = form.findChild<QMenu*>(QStringLiteral("miTabelaPoprz"));
    auto* popup = form.findChild<QMenu*>(QStringLiteral("pmOpen"));
    ASSERT_NE(recent, nullptr);
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(recent->isEnabled());
    auto* open = qobject_cast<QToolButton*>(
        form.findChild<QToolBar*>(QStringLiteral("ToolBar2"))->widgetForAction(form.Actions().Open));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->popupMode(), QToolButton::DelayedPopup);   // no arrow over an empty list

    OpenInMode(form, home.Path(QStringLiteral("a.txt")), 0);
    OpenInMode(form, home.Path(QStringLiteral("b.txt")), 0);
    EXPECT_TRUE(recent->isEnabled());
    EXPECT_EQ(open->popupMode(), QToolButton::MenuButtonPopup);
    for (QMenu* menu : {recent, popup}) {
        ASSERT_EQ(menu->actions().size(), 2);
        EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("&0 ") + home.Path(QStringLiteral("b.txt")));
        EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("&1 ") + home.Path(QStringLiteral("a.txt")));
    }
    EXPECT_EQ(form.Actions().Open->menu(), popup);

    WhenModal([](QWidget* dialog) { Press(dialog, QStringLiteral("&Wczytaj")); });
    popup->actions()[1]->trigger();   // a.txt again: it moves to the top
    EXPECT_EQ(form.Workbench().Tables().Count(), 3);
    EXPECT_EQ(recent->actions()[0]->text(), QStringLiteral("&0 ") + home.Path(QStringLiteral("a.txt")));

    form.close();   // the list is written at the end
    IniFile ini(home.IniPath());
    EXPECT_EQ(ini.ReadString(u"LastOpened", u"0"), home.Path(QStringLiteral("a.txt")));
    EXPECT_EQ(ini.ReadString(u"LastOpened", u"1"), home.Path(QStringLiteral("b.txt")));
}

TEST(MainForm, OpensTheFilesOfTheCommandLineWhenFirstShown)
{
    TempHome home;
    home.Write(QStringLiteral("a.txt"), "t\n1\n");
    home.Write(QStringLiteral("b.txt"), "v\n2\n");
    MainFormFixture fixture(QByteArray("[Options]\nLanguage=PL\n"));
    TMainForm form(fixture.Home().IniPath(), fixture.Home().Path(QString()));
    form.SetLanguage(1045);
    form.SetStartupFiles({home.Path(QStringLiteral("a.txt")), home.Path(QStringLiteral("b.txt"))});
    int dialogs = 0;
    std::function<void(QWidget*)> load = [&dialogs, &load](QWidget* dialog) {
        ++dialogs;
        Press(dialog, QStringLiteral("&Wczytaj"));
        if (dialogs < 2)
            WhenModal(load);
    };
    WhenModal(load);
    form.show();
    EXPECT_EQ(dialogs, 0);   // not before the window is shown
    EXPECT_TRUE(QTest::qWaitFor([&form] { return form.Workbench().Tables().Count() == 2; }));
    EXPECT_EQ(dialogs, 2);
    EXPECT_TRUE(form.Actions().Calculate->isEnabled());
}

TEST(MainForm, SavesAndSavesAs)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    form.Actions().New->trigger();
    TTable& table = form.ActiveTableWin()->Table();
    table.SetCellText(1, 1, u"5");
    table.SetModified(true);
    const QString path = fixture.Home().Path(QStringLiteral("saved"));
    WhenModal([path](QWidget* dialog) {
        auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(fileDialog, nullptr);
        EXPECT_EQ(fileDialog->windowTitle(), QStringLiteral("Zapisz"));
        // Typed as a whole path: the dialog's own directory listing is still being read.
        auto* name = fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(path);
        QMetaObject::invokeMethod(fileDialog, "accept");
    });
    form.Actions().Save->trigger();                               // no file yet: Save acts as Save As
    EXPECT_EQ(table.FileName(), path + QStringLiteral(".dat"));   // the default extension
    EXPECT_FALSE(table.Modified());
    EXPECT_FALSE(form.Actions().Save->isEnabled());
    // A single unnamed column starting with a number goes without a header line.
    EXPECT_EQ(fixture.Home().Read(QStringLiteral("saved.dat")), QByteArray("5.000000"));

    table.SetCellText(1, 1, u"6");
    table.SetModified(true);
    form.Actions().Save->trigger();
    EXPECT_EQ(fixture.Home().Read(QStringLiteral("saved.dat")), QByteArray("6.000000"));
}

TEST(MainForm, ArrangesTheTableWindows)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    form.resize(800, 600);
    for (int i = 0; i < 3; ++i)
        form.Actions().New->trigger();
    QApplication::processEvents();
    const QList<QMdiSubWindow*> windows = form.MdiArea()->subWindowList();
    const QSize area = form.MdiArea()->viewport()->size();

    form.Actions().TileOneAboveAnother->trigger();   // one above the other
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(windows[i]->width(), area.width());
        EXPECT_EQ(windows[i]->y(), i * (area.height() / 3));
    }
    form.Actions().TileSideBySide->trigger();   // side by side
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(windows[i]->height(), area.height());
        EXPECT_EQ(windows[i]->x(), i * (area.width() / 3));
    }
    form.Actions().MinimizeAll->trigger();
    for (QMdiSubWindow* window : windows) {
        EXPECT_TRUE(window->isMinimized());
        EXPECT_EQ(window->geometry().bottom() + 1, area.height());   // along the bottom edge
    }
    EXPECT_LT(windows[0]->x(), windows[1]->x());

    windows[0]->showNormal();
    form.MdiArea()->setActiveSubWindow(windows[0]);
    EXPECT_EQ(form.Actions().Maximize->text(), QStringLiteral("&Maksymalizuj"));
    form.Actions().Maximize->trigger();
    EXPECT_TRUE(windows[0]->isMaximized());
    EXPECT_EQ(form.Actions().Maximize->text(), QStringLiteral("Nor&malna wielkość"));
    form.Actions().Maximize->trigger();
    EXPECT_FALSE(windows[0]->isMaximized());
    EXPECT_EQ(form.Actions().Maximize->text(), QStringLiteral("&Maksymalizuj"));

    // Minimising all from a maximised window leaves none maximised on the screen.
    for (QMdiSubWindow* window : windows)
        window->showNormal();
    windows[2]->showMaximized();
    form.MdiArea()->setActiveSubWindow(windows[2]);
    form.Actions().MinimizeAll->trigger();
    for (QMdiSubWindow* window : windows)
        EXPECT_TRUE(window->isMinimized() && !window->isMaximized());
}

TEST(MainForm, OpensDroppedFiles)
{
    MainFormFixture fixture;
    TMainForm& form = fixture.Form();
    fixture.Home().Write(QStringLiteral("dropped.txt"), "t\n1\n");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(fixture.Home().Path(QStringLiteral("dropped.txt")))});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    WhenModal([](QWidget* dialog) { Press(dialog, QStringLiteral("&Wczytaj")); });
    // The toolkit delivers drops only from a real drag; the window's handler is called directly.
    struct Handler : TMainForm
    {
        using TMainForm::dropEvent;
    };
    const auto dropped = &Handler::dropEvent;
    (form.*dropped)(&drop);
    EXPECT_EQ(form.Workbench().Tables().Count(), 1);
    EXPECT_TRUE(form.Actions().Close->isEnabled());
}

}   // namespace
