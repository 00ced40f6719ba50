// The main window's actions, menus and tool bar, built once.

#include "gui/app/MainForm.h"

#include "gui/app/Hints.h"
#include "gui/table/TableUndo.h"
#include "gui/table/TableWin.h"

#include <QAction>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QUndoGroup>
#include <QUndoStack>

namespace {

QIcon ActionIcon(const char* name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(name)));
}

void SetActionHint(QAction* action, const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    action->setToolTip(bar < 0 ? hint : hint.left(bar));
    action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

// A menu item with a caption of its own that runs `action` and follows its enabled state. The item
// only shows the action's shortcut (after a tab): a second action with the same shortcut would make
// the key ambiguous once the menu bar holds the focus.
void AddItem(QMenu* menu, QAction* action, const QString& caption, int topic)
{
    const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
    auto* item = new QAction(shortcut.isEmpty() ? caption : caption + QLatin1Char('\t') + shortcut, menu);
    item->setStatusTip(action->statusTip());
    item->setEnabled(action->isEnabled());
    item->setProperty("helpTopic", topic);
    QObject::connect(item, &QAction::triggered, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, item, [item, action] { item->setEnabled(action->isEnabled()); });
    menu->addAction(item);
}

void AddItem(QMenu* menu, QAction* action, int topic)
{
    action->setProperty("helpTopic", topic);
    menu->addAction(action);
}

}   // namespace

QAction* TMainForm::AddAction(const char* name, const QString& caption, const QString& hint,
                              const QKeySequence& shortcut)
{
    auto* action = new QAction(ActionIcon(name), caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::ApplicationShortcut);
    SetActionHint(action, hint);
    addAction(action);
    return action;
}

void TMainForm::CreateActions()
{
    TMainActions& a = m_actions;
    // File
    a.New = AddAction("acNowy", tr("&Nowa (pusta)"), tr("Nowa tabela|Tworzy nową, pustą tabele"), Qt::CTRL | Qt::Key_N);
    a.Open = AddAction("acNowyZPliku", tr("N&owa z pliku ..."),
                       tr("Otwórz|Otwiera plik i wczytuje z niego dane do tabeli"), Qt::CTRL | Qt::Key_O);
    a.Save = AddAction("acZapisz", tr("&Zapisz"), tr("Zapisz|Zapisuje zawartość tabeli do pliku"),
                       Qt::CTRL | Qt::Key_S);
    a.SaveAs = AddAction("acZapiszJako", tr("Z&apisz jako ..."),
                         tr("Zapisz jako|Zapisuje zawartość tabeli w pliku o podanej nazwie"));
    a.Exit = AddAction("acKoniec", tr("&Koniec"), tr("Koniec|Koniec pracy z Salvento"));
    connect(a.New, &QAction::triggered, this, &TMainForm::NewTable);
    connect(a.Open, &QAction::triggered, this, &TMainForm::OpenWithDialog);
    connect(a.Save, &QAction::triggered, this, &TMainForm::SaveActive);
    connect(a.SaveAs, &QAction::triggered, this, &TMainForm::SaveActiveAs);
    connect(a.Exit, &QAction::triggered, this, &QWidget::close);

    // Window
    a.Close = AddAction("acZamknij", tr("Za&mknij"), tr("Zamknij tabelę|Zamyka bieżącą tabele"));
    a.Cascade = AddAction("acKaskada", tr("&Kaskada"), tr("Kaskada|Układa okna w postaci kaskady"));
    a.TileOneAboveAnother = AddAction("acPoziomo", tr("Ulóż po&ziomo"),
                                      tr("Ułóż poziomo|Układa okna jedno nad drugim"));
    a.TileSideBySide = AddAction("acPionowo", tr("Ulóż pi&onowo"), tr("Ułóż pionowo|Układa okna jedno obok drugiego"));
    a.MinimizeAll = AddAction("acZmniejsz", tr("&Zmniejsz wszystkie"),
                              tr("Zmniejsz wszystkie|Zmniejsza wszystkie okna do postaci ikon"));
    a.ArrangeIcons = AddAction("acSzereguj", tr("&Szereguj wszystkie"),
                               tr("Szereguj wszystkie|Szereguje (rozmieszcza równomiernie) ikony"));
    a.Maximize = AddAction("acMaksNorm", tr("&Maksymalizuj"), tr("Maksymalizuj|Maksymalizuje bieżące okno tabeli"),
                           Qt::Key_F5);
    connect(a.Close, &QAction::triggered, m_mdiArea, &QMdiArea::closeActiveSubWindow);
    connect(a.Cascade, &QAction::triggered, m_mdiArea, &QMdiArea::cascadeSubWindows);
    connect(a.TileOneAboveAnother, &QAction::triggered, this, &TMainForm::TileOneAboveAnother);
    connect(a.TileSideBySide, &QAction::triggered, this, &TMainForm::TileSideBySide);
    connect(a.MinimizeAll, &QAction::triggered, this, &TMainForm::MinimizeAll);
    connect(a.ArrangeIcons, &QAction::triggered, this, &TMainForm::ArrangeIcons);
    connect(a.Maximize, &QAction::triggered, this, &TMainForm::ToggleMaximized);

    // Help
    a.About = AddAction("acOSalvento", tr("&O Salvento ..."),
                        tr("O Salvento|Wyświetla podstawowe informacje o Salvento"));
    a.Help = AddAction("acPomoc", tr("&Pomoc ..."), tr("Pomoc|Wyświetla Pomoc na temat Salvento"));
    connect(a.About, &QAction::triggered, this, &TMainForm::ShowAbout);
    connect(a.Help, &QAction::triggered, this, &TMainForm::ShowHelp);

    // Edit
    a.Copy = AddAction("acKopiuj", tr("&Kopiuj"), tr("Kopiuj|Kopiuje zawartość zaznaczonego obszaru do Schowka"),
                       Qt::CTRL | Qt::Key_C);
    a.Cut = AddAction("acWytnij", tr("W&ytnij"), tr("Wytnij|Kopiuje do Schowka i usuwa zawartość zaznaczonego obszaru"),
                      Qt::CTRL | Qt::Key_X);
    a.Paste = AddAction("acWklej", tr("&Wklej"), tr("Wklej|Wkleja zawartość Schowka do tabeli"), Qt::CTRL | Qt::Key_V);
    a.Clear = AddAction("acUsun2", tr("&Usuń"), tr("Usuń|Usuwa zawartość z zaznaczonych komórek"), Qt::Key_Delete);
    a.CopyWithNames = AddAction(
        "acKopiujZNagl", tr("Kopiuj z &nazwami kolumn"),
        tr("Kopiuj z nazwami kolumn|Kopiuje do Schowka zawartość zaznaczonego obszaru razem z nazwami kolumn"),
        Qt::SHIFT | Qt::CTRL | Qt::Key_C);
    a.PasteWithNames = AddAction(
        "acWklejZNagl", tr("Wklej z n&azwami kolumn"),
        tr("Wklej z nazwami kolumn|Wkleja do tabeli zawartość Schowka, pierwszy wiersz w Schowku to nazwy kolumn"),
        Qt::SHIFT | Qt::CTRL | Qt::Key_V);
    a.SaveSelection = AddAction("acZapiszBlok", tr("&Zapisz zaznaczenie ..."),
                                tr("Zapisz zaznaczenie|Zapisuje zaznaczony obszar w pliku"));
    a.Find = AddAction("acSzukaj", tr("Szuka&j ..."),
                       tr("Szukaj|Wyszukuje w bieżącej kolumnie lub tabeli dane o podanej charakterystyce"),
                       Qt::CTRL | Qt::Key_F);
    a.FindAgain = AddAction("acSzukajZnow", tr("Szukaj &ponownie"),
                            tr("Szukaj ponownie|Powtórz ostatnią operację wyszukiwania"), Qt::Key_F3);
    a.FindColumn = AddAction("acSzukajKolumny", tr("Szukaj ko&lumny"),
                             tr("Szukaj kolumny|Wyszukuje w tabelach kolumnę o podanej nazwie"), Qt::CTRL | Qt::Key_G);
    a.Insert = AddAction("acWstaw", tr("Ws&taw kolumny/wiersze ..."),
                         tr("Wstaw kolumny/wiersze|Wstawia do tabeli kolumny lub/i wiersze"), Qt::Key_Insert);
    a.Delete = AddAction("acUsun", tr("U&suń kolumny/wiersze ..."),
                         tr("Usuń kolumny/wiersze|Usuwa z tabeli kolumny lub/i wiersze"), Qt::CTRL | Qt::Key_Delete);
    a.ColumnOptions = AddAction("acOpcjeKolumny", tr("&Opcje kolumny ..."),
                                tr("Opcje kolumny|Pozwala określić opcje kolumny (np. jej nazwę)"),
                                Qt::CTRL | Qt::Key_Return);
    connect(a.Copy, &QAction::triggered, this, [this] { CopyBlock(false); });
    connect(a.Cut, &QAction::triggered, this, &TMainForm::CutBlock);
    connect(a.Paste, &QAction::triggered, this, [this] { PasteBlock(false); });
    connect(a.Clear, &QAction::triggered, this, &TMainForm::ClearBlock);
    connect(a.CopyWithNames, &QAction::triggered, this, [this] { CopyBlock(true); });
    connect(a.PasteWithNames, &QAction::triggered, this, [this] { PasteBlock(true); });
    connect(a.SaveSelection, &QAction::triggered, this, &TMainForm::SaveBlock);
    connect(a.Find, &QAction::triggered, this, &TMainForm::FindData);
    connect(a.FindAgain, &QAction::triggered, this, &TMainForm::FindAgain);
    connect(a.FindColumn, &QAction::triggered, this, &TMainForm::FindColumn);
    connect(a.Insert, &QAction::triggered, this, &TMainForm::InsertRowsOrColumns);
    connect(a.Delete, &QAction::triggered, this, &TMainForm::DeleteRowsOrColumns);
    connect(a.ColumnOptions, &QAction::triggered, this, &TMainForm::ColumnOptions);

    // Options and calculations
    a.Options = AddAction("acOpcje", tr("&Opcje zapisu/odczytu ..."),
                          tr("Opcje zapisu/odczytu|Pozwala ustawić globalne opcje zapisu/odczytu plików"));
    a.DataOptions = AddAction("acOpcjeDanych", tr("Opcje &danych ..."),
                              tr("Opcje danych|Pozwala ustawić globalne opcje danych wejściowych i wskaźników"),
                              Qt::CTRL | Qt::Key_D);
    a.WhatCanBeComputed = AddAction("acCoMozeszObl", tr("&Co możesz obliczyć ..."),
                                    tr("Co możesz obliczyć|Pozwala określić, które wskaźniki mogą zostać obliczone"),
                                    Qt::CTRL | Qt::Key_F9);
    a.Calculate = AddAction("acObliczenia", tr("&Obliczenia ..."),
                            tr("Obliczenia|Oblicza wartości wybranych wskaźników"), Qt::Key_F9);
    a.Statistics = AddAction("acStatystyka", tr("Obliczenia s&tatystyczne ..."),
                             tr("Obliczenia statystyczne|Wyświetla podstawowe informacje statystyczne na temat danych "
                                "z bieżącej tabeli"),
                             Qt::CTRL | Qt::Key_T);
    connect(a.Options, &QAction::triggered, this, &TMainForm::ShowOptions);
    connect(a.DataOptions, &QAction::triggered, this, &TMainForm::ShowDataOptions);
    connect(a.WhatCanBeComputed, &QAction::triggered, this, &TMainForm::WhatCanBeComputed);
    connect(a.Calculate, &QAction::triggered, this, &TMainForm::Calculate);
    a.Chart = AddAction("acWykres", tr("&Wykres ..."),
                        tr("Wykres|Rysuje wykres zaznaczonych kolumn bieżącej tabeli: przebieg, histogram lub "
                           "kalendarz bioklimatyczny"),
                        Qt::CTRL | Qt::SHIFT | Qt::Key_G);
    connect(a.Statistics, &QAction::triggered, this, &TMainForm::ComputeStatistics);
    connect(a.Chart, &QAction::triggered, this, &TMainForm::ShowChart);
}

void TMainForm::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&Plik"));
    file->menuAction()->setStatusTip(tr("Polecenia związane z tabelami"));
    file->menuAction()->setProperty("helpTopic", 100);
    AddItem(file, m_actions.New, tr("&Nowy"), 101);
    AddItem(file, m_actions.Open, tr("&Otwórz ..."), 102);
    m_recentMenu = file->addMenu(tr("Otwórz &poprzedni"));
    m_recentMenu->setObjectName(QStringLiteral("miTabelaPoprz"));
    m_recentMenu->menuAction()->setProperty("helpTopic", 103);
    AddItem(file, m_actions.Save, 104);
    AddItem(file, m_actions.SaveAs, 105);
    file->addSeparator();
    AddItem(file, m_actions.Exit, 106);

    m_editMenu = menuBar()->addMenu(tr("&Edycja"));
    m_editMenu->menuAction()->setStatusTip(tr("Polecenia związane z edycją danych"));
    m_editMenu->menuAction()->setProperty("helpTopic", 120);
    AddItem(m_editMenu, m_actions.Copy, 121);
    AddItem(m_editMenu, m_actions.Cut, 122);
    AddItem(m_editMenu, m_actions.Paste, 123);
    AddItem(m_editMenu, m_actions.Clear, 124);
    m_editMenu->addSeparator();
    AddItem(m_editMenu, m_actions.CopyWithNames, 125);
    AddItem(m_editMenu, m_actions.PasteWithNames, 126);
    AddItem(m_editMenu, m_actions.SaveSelection, 127);
    m_editMenu->addSeparator();
    AddItem(m_editMenu, m_actions.Find, 128);
    AddItem(m_editMenu, m_actions.FindColumn, 129);
    AddItem(m_editMenu, m_actions.FindAgain, 130);
    m_editMenu->addSeparator();
    AddItem(m_editMenu, m_actions.Insert, 131);
    AddItem(m_editMenu, m_actions.Delete, 132);
    m_editMenu->addSeparator();
    AddItem(m_editMenu, m_actions.ColumnOptions, 133);

    QMenu* calculations = menuBar()->addMenu(tr("&Obliczenia"));
    calculations->menuAction()->setProperty("helpTopic", 140);
    AddItem(calculations, m_actions.WhatCanBeComputed, 141);
    calculations->addSeparator();
    AddItem(calculations, m_actions.Calculate, 142);
    calculations->addSeparator();
    AddItem(calculations, m_actions.Statistics, 143);
    AddItem(calculations, m_actions.Chart, 144);

    QMenu* options = menuBar()->addMenu(tr("Op&cje"));
    options->menuAction()->setProperty("helpTopic", 160);
    AddItem(options, m_actions.Options, 161);
    AddItem(options, m_actions.DataOptions, 162);
    QAction* language = options->addAction(tr("Zmień wersję &językową ..."), this, &TMainForm::ChangeLanguage);
    language->setObjectName(QStringLiteral("miJezyk"));
    language->setStatusTip(tr("Pozwala zmienić wersję językową programu Salvento"));
    language->setProperty("helpTopic", 163);

    m_windowMenu = menuBar()->addMenu(tr("O&kno"));
    m_windowMenu->menuAction()->setStatusTip(tr("Polecenia związane z oknami"));
    m_windowMenu->menuAction()->setProperty("helpTopic", 180);
    connect(m_windowMenu, &QMenu::aboutToShow, this, [this] {
        // The fixed commands, then the list of open table windows.
        m_windowMenu->clear();
        AddItem(m_windowMenu, m_actions.Cascade, 181);
        AddItem(m_windowMenu, m_actions.TileOneAboveAnother, tr("Ułóż po&ziomo"), 182);
        AddItem(m_windowMenu, m_actions.TileSideBySide, tr("Ułóż pi&onowo"), 183);
        AddItem(m_windowMenu, m_actions.MinimizeAll, 184);
        AddItem(m_windowMenu, m_actions.ArrangeIcons, 185);
        m_windowMenu->addSeparator();
        AddItem(m_windowMenu, m_actions.Maximize, 186);
        AddItem(m_windowMenu, m_actions.Close, 187);
        const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
        if (!windows.isEmpty())
            m_windowMenu->addSeparator();
        for (int i = 0; i < windows.size(); ++i) {
            QMdiSubWindow* window = windows[i];
            QAction* item = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(window->windowTitle()));
            item->setCheckable(true);
            item->setChecked(window == m_mdiArea->currentSubWindow());
            connect(item, &QAction::triggered, this, [this, window] { m_mdiArea->setActiveSubWindow(window); });
        }
    });
    emit m_windowMenu->aboutToShow();

    QMenu* help = menuBar()->addMenu(tr("Po&moc"));
    help->menuAction()->setStatusTip(tr("Pomoc"));
    help->menuAction()->setProperty("helpTopic", 200);
    AddItem(help, m_actions.Help, 201);
    help->addSeparator();
    AddItem(help, m_actions.About, 204);
}

void TMainForm::CreateToolBar()
{
    QToolBar* bar = addToolBar(tr("Narzędzia"));
    bar->setObjectName(QStringLiteral("ToolBar2"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const TMainActions& a = m_actions;
    const std::initializer_list<QAction*> groups[] = {
        {a.New, a.Open, a.Save},
        {a.Clear, a.Cut, a.Copy, a.Paste},
        {a.Find, a.FindColumn, a.FindAgain},
        {a.Insert, a.Delete},
        {a.ColumnOptions, a.Options, a.DataOptions},
        {a.WhatCanBeComputed, a.Calculate, a.Statistics, a.Chart},
        {a.Cascade, a.TileOneAboveAnother, a.TileSideBySide},
    };
    bool first = true;
    for (const auto& group : groups) {
        if (!first)
            bar->addSeparator();
        first = false;
        for (QAction* action : group)
            bar->addAction(action);
    }
    m_recentPopup = new QMenu(this);
    m_recentPopup->setObjectName(QStringLiteral("pmOpen"));
    m_openButton = qobject_cast<QToolButton*>(bar->widgetForAction(m_actions.Open));
}

void TMainForm::RebuildRecentMenus()
{
    const QStringList& paths = m_workbench.Recent().Paths();
    for (QMenu* menu : {m_recentMenu, m_recentPopup}) {
        menu->clear();
        for (int i = 0; i < paths.size(); ++i) {
            QAction* item = menu->addAction(QStringLiteral("&%1 %2").arg(i).arg(paths[i]));
            const QString path = paths[i];
            connect(item, &QAction::triggered, this, [this, path] {
                OpenFiles({path});
                UpdateTableCommands(m_workbench.Tables().Count() > 0);
            });
        }
    }
    m_recentMenu->setEnabled(!paths.isEmpty());
    m_actions.Open->setMenu(paths.isEmpty() ? nullptr : m_recentPopup);
    // The Open button shows its drop-down arrow only when there is something to drop down.
    if (m_openButton)
        m_openButton->setPopupMode(paths.isEmpty() ? QToolButton::DelayedPopup : QToolButton::MenuButtonPopup);
}

void TMainForm::CreateUndoActions()
{
    m_undoGroup = new QUndoGroup(this);
    QAction* undo = m_actions.Undo = AddAction("acCofnij", tr("&Cofnij"), tr("Cofnij|Cofa ostatnią zmianę w tabeli"),
                                               QKeySequence::Undo);
    QAction* redo = m_actions.Redo = AddAction("acPonow", tr("Pon&ów"),
                                               tr("Ponów|Ponawia ostatnią cofniętą zmianę w tabeli"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // The captions and hints say what would be undone or redone: "Cofnij: wklejanie".
    const auto follow = [](QAction* action, const QString& caption, const QString& hint) {
        return [=](const QString& what) {
            const QString text = what.isEmpty() ? caption : caption + QStringLiteral(": ") + what;
            action->setText(text);
            action->setToolTip(QString(text).remove(QLatin1Char('&')));
            action->setStatusTip(what.isEmpty() ? hint : hint + QStringLiteral(": ") + what);
        };
    };
    connect(m_undoGroup, &QUndoGroup::undoTextChanged, undo,
            follow(undo, tr("&Cofnij"), tr("Cofa ostatnią zmianę w tabeli")));
    connect(m_undoGroup, &QUndoGroup::redoTextChanged, redo,
            follow(redo, tr("Pon&ów"), tr("Ponawia ostatnią cofniętą zmianę w tabeli")));
    connect(m_undoGroup, &QUndoGroup::canUndoChanged, undo, &QAction::setEnabled);
    connect(m_undoGroup, &QUndoGroup::canRedoChanged, redo, &QAction::setEnabled);
    connect(undo, &QAction::triggered, m_undoGroup, &QUndoGroup::undo);
    connect(redo, &QAction::triggered, m_undoGroup, &QUndoGroup::redo);
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this] {
        TTableWin* active = ActiveTableWin();
        if (active && !m_undoGroup->stacks().contains(active->Undo().Stack()))
            m_undoGroup->addStack(active->Undo().Stack());
        m_undoGroup->setActiveStack(active ? active->Undo().Stack() : nullptr);
    });

    QAction* first = m_editMenu->actions().constFirst();
    undo->setProperty("helpTopic", 120);
    redo->setProperty("helpTopic", 120);
    m_editMenu->insertActions(first, {undo, redo});
    m_editMenu->insertSeparator(first);
    auto* bar = findChild<QToolBar*>(QStringLiteral("ToolBar2"));
    bar->insertActions(m_actions.Clear, {undo, redo});
    bar->insertSeparator(m_actions.Clear);
}
