// The main window's actions, menus and tool bar, built once.

#include "gui/app/MainForm.h"

#include "gui/app/Hints.h"
#include "gui/table/TableWin.h"

#include <QAction>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

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
    m_actions[action->objectName()] = action;
    return action;
}

void TMainForm::CreateActions()
{
    // File
    connect(AddAction("acNowy", tr("&Nowa (pusta)"), tr("Nowa tabela|Tworzy nową, pustą tabele"), Qt::CTRL | Qt::Key_N),
            &QAction::triggered, this, &TMainForm::NewTable);
    connect(AddAction("acNowyZPliku", tr("N&owa z pliku ..."),
                      tr("Otwórz|Otwiera plik i wczytuje z niego dane do tabeli"), Qt::CTRL | Qt::Key_O),
            &QAction::triggered, this, &TMainForm::OpenWithDialog);
    connect(AddAction("acZapisz", tr("&Zapisz"), tr("Zapisz|Zapisuje zawartość tabeli do pliku"), Qt::CTRL | Qt::Key_S),
            &QAction::triggered, this, &TMainForm::SaveActive);
    connect(AddAction("acZapiszJako", tr("Z&apisz jako ..."),
                      tr("Zapisz jako|Zapisuje zawartość tabeli w pliku o podanej nazwie")),
            &QAction::triggered, this, &TMainForm::SaveActiveAs);
    connect(AddAction("acKoniec", tr("&Koniec"), tr("Koniec|Koniec pracy z Salvento")), &QAction::triggered, this,
            &QWidget::close);

    // Window
    connect(AddAction("acZamknij", tr("Za&mknij"), tr("Zamknij tabelę|Zamyka bieżącą tabele")), &QAction::triggered,
            m_mdiArea, &QMdiArea::closeActiveSubWindow);
    connect(AddAction("acKaskada", tr("&Kaskada"), tr("Kaskada|Układa okna w postaci kaskady")), &QAction::triggered,
            m_mdiArea, &QMdiArea::cascadeSubWindows);
    connect(AddAction("acPoziomo", tr("Ulóż po&ziomo"), tr("Ułóż poziomo|Układa okna jedno nad drugim")),
            &QAction::triggered, this, &TMainForm::TileOneAboveAnother);
    connect(AddAction("acPionowo", tr("Ulóż pi&onowo"), tr("Ułóż pionowo|Układa okna jedno obok drugiego")),
            &QAction::triggered, this, &TMainForm::TileSideBySide);
    connect(AddAction("acZmniejsz", tr("&Zmniejsz wszystkie"),
                      tr("Zmniejsz wszystkie|Zmniejsza wszystkie okna do postaci ikon")),
            &QAction::triggered, this, &TMainForm::MinimizeAll);
    connect(AddAction("acSzereguj", tr("&Szereguj wszystkie"),
                      tr("Szereguj wszystkie|Szereguje (rozmieszcza równomiernie) ikony")),
            &QAction::triggered, this, &TMainForm::ArrangeIcons);
    connect(
        AddAction("acMaksNorm", tr("&Maksymalizuj"), tr("Maksymalizuj|Maksymalizuje bieżące okno tabeli"), Qt::Key_F5),
        &QAction::triggered, this, &TMainForm::ToggleMaximized);

    // Help
    connect(
        AddAction("acOSalvento", tr("&O Salvento ..."), tr("O Salvento|Wyświetla podstawowe informacje o Salvento")),
        &QAction::triggered, this, &TMainForm::ShowAbout);
    connect(AddAction("acPomoc", tr("&Pomoc ..."), tr("Pomoc|Wyświetla Pomoc na temat Salvento")), &QAction::triggered,
            this, [this] { ShowHelp(1); });

    // Edit
    AddAction("acKopiuj", tr("&Kopiuj"), tr("Kopiuj|Kopiuje zawartość zaznaczonego obszaru do Schowka"),
              Qt::CTRL | Qt::Key_C);
    AddAction("acWytnij", tr("W&ytnij"), tr("Wytnij|Kopiuje do Schowka i usuwa zawartość zaznaczonego obszaru"),
              Qt::CTRL | Qt::Key_X);
    AddAction("acWklej", tr("&Wklej"), tr("Wklej|Wkleja zawartość Schowka do tabeli"), Qt::CTRL | Qt::Key_V);
    AddAction("acUsun2", tr("&Usuń"), tr("Usuń|Usuwa zawartość z zaznaczonych komórek"), Qt::Key_Delete);
    AddAction("acKopiujZNagl", tr("Kopiuj z &nazwami kolumn"),
              tr("Kopiuj z nazwami kolumn|Kopiuje do Schowka zawartość zaznaczonego obszaru razem z nazwami kolumn"),
              Qt::SHIFT | Qt::CTRL | Qt::Key_C);
    AddAction(
        "acWklejZNagl", tr("Wklej z n&azwami kolumn"),
        tr("Wklej z nazwami kolumn|Wkleja do tabeli zawartość Schowka, pierwszy wiersz w Schowku to nazwy kolumn"),
        Qt::SHIFT | Qt::CTRL | Qt::Key_V);
    AddAction("acZapiszBlok", tr("&Zapisz zaznaczenie ..."),
              tr("Zapisz zaznaczenie|Zapisuje zaznaczony obszar w pliku"));
    connect(AddAction("acSzukaj", tr("Szuka&j ..."),
                      tr("Szukaj|Wyszukuje w bieżącej kolumnie lub tabeli dane o podanej charakterystyce"),
                      Qt::CTRL | Qt::Key_F),
            &QAction::triggered, this, &TMainForm::FindData);
    connect(AddAction("acSzukajZnow", tr("Szukaj &ponownie"),
                      tr("Szukaj ponownie|Powtórz ostatnią operację wyszukiwania"), Qt::Key_F3),
            &QAction::triggered, this, &TMainForm::FindAgain);
    connect(AddAction("acSzukajKolumny", tr("Szukaj ko&lumny"),
                      tr("Szukaj kolumny|Wyszukuje w tabelach kolumnę o podanej nazwie"), Qt::CTRL | Qt::Key_G),
            &QAction::triggered, this, &TMainForm::FindColumn);
    AddAction("acWstaw", tr("Ws&taw kolumny/wiersze ..."),
              tr("Wstaw kolumny/wiersze|Wstawia do tabeli kolumny lub/i wiersze"), Qt::Key_Insert);
    AddAction("acUsun", tr("U&suń kolumny/wiersze ..."),
              tr("Usuń kolumny/wiersze|Usuwa z tabeli kolumny lub/i wiersze"), Qt::CTRL | Qt::Key_Delete);
    AddAction("acOpcjeKolumny", tr("&Opcje kolumny ..."),
              tr("Opcje kolumny|Pozwala określić opcje kolumny (np. jej nazwę)"), Qt::CTRL | Qt::Key_Return);
    connect(Action("acKopiuj"), &QAction::triggered, this, [this] { CopyBlock(false); });
    connect(Action("acWytnij"), &QAction::triggered, this, &TMainForm::CutBlock);
    connect(Action("acWklej"), &QAction::triggered, this, [this] { PasteBlock(false); });
    connect(Action("acUsun2"), &QAction::triggered, this, &TMainForm::ClearBlock);
    connect(Action("acKopiujZNagl"), &QAction::triggered, this, [this] { CopyBlock(true); });
    connect(Action("acWklejZNagl"), &QAction::triggered, this, [this] { PasteBlock(true); });
    connect(Action("acZapiszBlok"), &QAction::triggered, this, &TMainForm::SaveBlock);
    connect(Action("acWstaw"), &QAction::triggered, this, &TMainForm::InsertRowsOrColumns);
    connect(Action("acUsun"), &QAction::triggered, this, &TMainForm::DeleteRowsOrColumns);
    connect(Action("acOpcjeKolumny"), &QAction::triggered, this, &TMainForm::ColumnOptions);

    // Options and calculations
    connect(AddAction("acOpcje", tr("&Opcje zapisu/odczytu ..."),
                      tr("Opcje zapisu/odczytu|Pozwala ustawić globalne opcje zapisu/odczytu plików")),
            &QAction::triggered, this, &TMainForm::ShowOptions);
    connect(AddAction("acOpcjeDanych", tr("Opcje &danych ..."),
                      tr("Opcje danych|Pozwala ustawić globalne opcje danych wejściowych i wskaźników"),
                      Qt::CTRL | Qt::Key_D),
            &QAction::triggered, this, &TMainForm::ShowDataOptions);
    connect(AddAction("acCoMozeszObl", tr("&Co możesz obliczyć ..."),
                      tr("Co możesz obliczyć|Pozwala określić, które wskaźniki mogą zostać obliczone"),
                      Qt::CTRL | Qt::Key_F9),
            &QAction::triggered, this, &TMainForm::WhatCanBeComputed);
    connect(AddAction("acObliczenia", tr("&Obliczenia ..."), tr("Obliczenia|Oblicza wartości wybranych wskaźników"),
                      Qt::Key_F9),
            &QAction::triggered, this, &TMainForm::Calculate);
    connect(AddAction("acStatystyka", tr("Obliczenia s&tatystyczne ..."),
                      tr("Obliczenia statystyczne|Wyświetla podstawowe informacje statystyczne na temat danych z "
                         "bieżącej tabeli"),
                      Qt::CTRL | Qt::Key_T),
            &QAction::triggered, this, &TMainForm::ComputeStatistics);
}

void TMainForm::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&Plik"));
    file->menuAction()->setStatusTip(tr("Polecenia związane z tabelami"));
    file->menuAction()->setProperty("helpTopic", 100);
    AddItem(file, Action("acNowy"), tr("&Nowy"), 101);
    AddItem(file, Action("acNowyZPliku"), tr("&Otwórz ..."), 102);
    m_recentMenu = file->addMenu(tr("Otwórz &poprzedni"));
    m_recentMenu->setObjectName(QStringLiteral("miTabelaPoprz"));
    m_recentMenu->menuAction()->setProperty("helpTopic", 103);
    AddItem(file, Action("acZapisz"), 104);
    AddItem(file, Action("acZapiszJako"), 105);
    file->addSeparator();
    AddItem(file, Action("acKoniec"), 106);

    m_editMenu = menuBar()->addMenu(tr("&Edycja"));
    m_editMenu->menuAction()->setStatusTip(tr("Polecenia związane z edycją danych"));
    m_editMenu->menuAction()->setProperty("helpTopic", 120);
    AddItem(m_editMenu, Action("acKopiuj"), 121);
    AddItem(m_editMenu, Action("acWytnij"), 122);
    AddItem(m_editMenu, Action("acWklej"), 123);
    AddItem(m_editMenu, Action("acUsun2"), 124);
    m_editMenu->addSeparator();
    AddItem(m_editMenu, Action("acKopiujZNagl"), 125);
    AddItem(m_editMenu, Action("acWklejZNagl"), 126);
    AddItem(m_editMenu, Action("acZapiszBlok"), 127);
    m_editMenu->addSeparator();
    AddItem(m_editMenu, Action("acSzukaj"), 128);
    AddItem(m_editMenu, Action("acSzukajKolumny"), 129);
    AddItem(m_editMenu, Action("acSzukajZnow"), 130);
    m_editMenu->addSeparator();
    AddItem(m_editMenu, Action("acWstaw"), 131);
    AddItem(m_editMenu, Action("acUsun"), 132);
    m_editMenu->addSeparator();
    AddItem(m_editMenu, Action("acOpcjeKolumny"), 133);

    QMenu* calculations = menuBar()->addMenu(tr("&Obliczenia"));
    calculations->menuAction()->setProperty("helpTopic", 140);
    AddItem(calculations, Action("acCoMozeszObl"), 141);
    calculations->addSeparator();
    AddItem(calculations, Action("acObliczenia"), 142);
    calculations->addSeparator();
    AddItem(calculations, Action("acStatystyka"), 143);

    QMenu* options = menuBar()->addMenu(tr("Op&cje"));
    options->menuAction()->setProperty("helpTopic", 160);
    AddItem(options, Action("acOpcje"), 161);
    AddItem(options, Action("acOpcjeDanych"), 162);
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
        AddItem(m_windowMenu, Action("acKaskada"), 181);
        AddItem(m_windowMenu, Action("acPoziomo"), tr("Ułóż po&ziomo"), 182);
        AddItem(m_windowMenu, Action("acPionowo"), tr("Ułóż pi&onowo"), 183);
        AddItem(m_windowMenu, Action("acZmniejsz"), 184);
        AddItem(m_windowMenu, Action("acSzereguj"), 185);
        m_windowMenu->addSeparator();
        AddItem(m_windowMenu, Action("acMaksNorm"), 186);
        AddItem(m_windowMenu, Action("acZamknij"), 187);
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
    m_helpAction = Action("acPomoc");
    AddItem(help, m_helpAction, 201);
    help->addSeparator();
    AddItem(help, Action("acOSalvento"), 204);
}

void TMainForm::CreateToolBar()
{
    QToolBar* bar = addToolBar(tr("Narzędzia"));
    bar->setObjectName(QStringLiteral("ToolBar2"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const std::initializer_list<const char*> groups[] = {
        {"acNowy", "acNowyZPliku", "acZapisz"},          {"acUsun2", "acWytnij", "acKopiuj", "acWklej"},
        {"acSzukaj", "acSzukajKolumny", "acSzukajZnow"}, {"acWstaw", "acUsun"},
        {"acOpcjeKolumny", "acOpcje", "acOpcjeDanych"},  {"acCoMozeszObl", "acObliczenia", "acStatystyka"},
        {"acKaskada", "acPoziomo", "acPionowo"},
    };
    bool first = true;
    for (const auto& group : groups) {
        if (!first)
            bar->addSeparator();
        first = false;
        for (const char* name : group)
            bar->addAction(Action(name));
    }
    m_recentPopup = new QMenu(this);
    m_recentPopup->setObjectName(QStringLiteral("pmOpen"));
    m_openButton = qobject_cast<QToolButton*>(bar->widgetForAction(Action("acNowyZPliku")));
}

void TMainForm::RebuildRecentMenus()
{
    const QStringList& paths = m_recent.Paths();
    for (QMenu* menu : {m_recentMenu, m_recentPopup}) {
        menu->clear();
        for (int i = 0; i < paths.size(); ++i) {
            QAction* item = menu->addAction(QStringLiteral("&%1 %2").arg(i).arg(paths[i]));
            const QString path = paths[i];
            connect(item, &QAction::triggered, this, [this, path] {
                OpenFiles({path});
                UpdateTableCommands(m_tables.Count() > 0);
            });
        }
    }
    m_recentMenu->setEnabled(!paths.isEmpty());
    Action("acNowyZPliku")->setMenu(paths.isEmpty() ? nullptr : m_recentPopup);
    // The Open button shows its drop-down arrow only when there is something to drop down.
    if (m_openButton)
        m_openButton->setPopupMode(paths.isEmpty() ? QToolButton::DelayedPopup : QToolButton::MenuButtonPopup);
}
