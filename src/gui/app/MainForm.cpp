#include "gui/app/MainForm.h"

#include "core/data/DataManager.h"
#include "core/table/OpenDataFile.h"
#include "core/table/Table.h"
#include "core/table/TextCells.h"
#include "gui/app/HelpWindow.h"
#include "gui/table/TableUndo.h"
#include "gui/table/TableWin.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>

TMainForm::TMainForm(const QString& iniPath, const QString& programDirectory, QWidget* parent)
    : QMainWindow(parent), m_workbench(iniPath, programDirectory), m_ui(this, m_workbench.Tables())
{
    setObjectName(QStringLiteral("TMainForm"));
    setWindowTitle(tr("Salvento dla Windows"));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));

    m_ui.SetProgramOptions(&m_workbench.Options().Record);
    m_ui.SetActiveTable([this]() -> const TTable* {
        const TTableWin* active = ActiveTableWin();
        return active ? &active->Table() : nullptr;
    });
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateUndoActions();
    m_workbench.ReadOptions(m_ui);

    connect(&m_workbench.Tables(), &TableSet::tableAdded, this, &TMainForm::TableAdded);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &TMainForm::ActiveWindowChanged);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TMainForm::UpdateContinuousCommands);
    connect(&m_workbench.Recent(), &RecentFiles::changed, this, &TMainForm::RebuildRecentMenus);
    RebuildRecentMenus();
    UpdateTableCommands(false);
    resize(900, 600);
    // Where the window was left, as large as it was (a state that no longer fits is ignored).
    restoreGeometry(
        QByteArray::fromBase64(m_workbench.Ini().ReadString(u"Window", u"Geometry", QString(), 4096).toLatin1()));
    restoreState(QByteArray::fromBase64(m_workbench.Ini().ReadString(u"Window", u"State", QString(), 4096).toLatin1()));
    QApplication::instance()->installEventFilter(this);
}

TMainForm::~TMainForm()
{
    // The table windows go first: they hand their tables back to the set of open tables. Then the
    // workbench, whose data kinds write their changed configuration. What the windows and the area announce while
    // they go no longer reaches this window, which is being destroyed.
    m_mdiArea->disconnect(this);
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        window->disconnect(this);
        if (auto* tableWin = qobject_cast<TTableWin*>(window->widget())) {
            tableWin->disconnect(this);
            tableWin->Table().disconnect(this);
        }
    }
    delete m_mdiArea;
}

void TMainForm::SetLanguage(int language)
{
    m_workbench.SetLanguage(language);
    m_ui.SetKinds(&m_workbench.Kinds());
}

TTableWin* TMainForm::ActiveTableWin() const
{
    QMdiSubWindow* window = m_mdiArea->currentSubWindow();
    return window ? qobject_cast<TTableWin*>(window->widget()) : nullptr;
}

TTableWin* TMainForm::WindowOf(const TTable* table) const
{
    for (QMdiSubWindow* window : m_mdiArea->subWindowList())
        if (auto* tableWin = qobject_cast<TTableWin*>(window->widget()); tableWin && &tableWin->Table() == table)
            return tableWin;
    return nullptr;
}

void TMainForm::TableAdded(TTable* table)
{
    auto* tableWin = new TTableWin(*table, m_workbench.Tables(), m_ui);
    tableWin->SetSaveHandler([this, tableWin] { return SaveWindow(*tableWin); });
    QMdiSubWindow* window = m_mdiArea->addSubWindow(tableWin);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(tableWin->size());
    connect(table, &TTable::modifiedChanged, this, [this, table](bool modified) {
        if (TTableWin* active = ActiveTableWin(); active && &active->Table() == table)
            m_actions.Save->setEnabled(modified);
    });
    // The grid's double presses on a column header and on the corner run the main window's commands.
    connect(tableWin, &TTableWin::columnOptionsRequested, this, [this, window] {
        m_mdiArea->setActiveSubWindow(window);
        m_actions.ColumnOptions->trigger();
    });
    connect(tableWin, &TTableWin::optionsRequested, this, [this] { m_actions.Options->trigger(); });
    connect(window, &QObject::destroyed, this, [this] {
        UpdateTableCommands(!m_mdiArea->subWindowList().isEmpty());
        UpdateContinuousCommands();
    });
    window->show();
    m_mdiArea->setActiveSubWindow(window);
    UpdateContinuousCommands();
}

void TMainForm::ActiveWindowChanged()
{
    if (const TTableWin* active = ActiveTableWin())
        m_actions.Save->setEnabled(active->Table().Modified());
    QAction* maximize = m_actions.Maximize;
    const bool maximized = m_mdiArea->currentSubWindow() && m_mdiArea->currentSubWindow()->isMaximized();
    maximize->setText(maximized ? tr("Nor&malna wielkość") : tr("&Maksymalizuj"));
    const QString hint = maximized ? tr("Normalna wielkość|Przywraca bieżącemu oknu tabeli normalną wielkość")
                                   : tr("Maksymalizuj|Maksymalizuje bieżące okno tabeli");
    maximize->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
    maximize->setStatusTip(hint.section(QLatin1Char('|'), 1));
    UpdateContinuousCommands();
}

void TMainForm::UpdateTableCommands(bool tablesOpen)
{
    for (QMenu* menu : {m_editMenu, m_windowMenu}) {
        menu->menuAction()->setVisible(tablesOpen);
        menu->menuAction()->setEnabled(tablesOpen);
    }
    const TMainActions& a = m_actions;
    for (QAction* action : {a.Insert, a.Delete, a.ColumnOptions, a.Close, a.Save, a.SaveAs, a.Clear, a.Calculate,
                            a.Statistics, a.Chart, a.SaveSelection, a.Find, a.FindColumn, a.Maximize})
        action->setEnabled(tablesOpen);
    m_actions.FindAgain->setEnabled(tablesOpen && m_workbench.Search().Type != skNone);
    if (tablesOpen)
        if (const TTableWin* active = ActiveTableWin())
            m_actions.Save->setEnabled(active->Table().Modified());
    UpdateContinuousCommands();
}

void TMainForm::UpdateContinuousCommands()
{
    const bool tables = !m_mdiArea->subWindowList().isEmpty();
    const bool text = QApplication::clipboard()->mimeData() && QApplication::clipboard()->mimeData()->hasText();
    for (QAction* action : {m_actions.Copy, m_actions.Cut, m_actions.Clear, m_actions.CopyWithNames})
        action->setEnabled(tables);
    for (QAction* action : {m_actions.Paste, m_actions.PasteWithNames})
        action->setEnabled(tables && text);
}

void TMainForm::OpenFiles(const QStringList& paths)
{
    for (const QString& path : paths) {
        TTableWin* current = ActiveTableWin();
        // A file loaded into the current table is one step of its undo stack.
        const UndoStep step(current ? std::vector{&current->Undo()} : std::vector<TableUndo*>(), tr("wczytywanie"));
        if (const TTable* loaded = OpenDataFile(path, m_workbench.Tables(), current ? &current->Table() : nullptr,
                                                m_workbench.Kinds(), m_ui, m_workbench.Recent())) {
            if (TTableWin* window = WindowOf(loaded))
                window->FitColumnWidths();
            ReportTextCells(*loaded);
        }
    }
}

void TMainForm::ReportTextCells(const TTable& table)
{
    const std::vector<TextCellCount> counts = CountTextCells(table);
    const QString report = TextCellsReport(table, counts);
    m_ui.ShowReport(report);
    int total = 0;
    for (const TextCellCount& count : counts)
        total += count.Count;
    if (total > TextCellsWorthAMessage)
        m_ui.ShowMessage(report, UserInterface::Icon::Warning);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    setAcceptDrops(true);
    if (m_workbench.Language() == 1033) {
        m_actions.Help->setText(QStringLiteral("&Help contents ..."));
        m_actions.Help->setToolTip(QStringLiteral("Help contents"));
        m_actions.Help->setStatusTip(QStringLiteral("Displays the Salvento's Help contents"));
    }
    // The files of the command line once the window is on the screen, each with its load dialog.
    QMetaObject::invokeMethod(
        this,
        [this] {
            OpenFiles(m_startupFiles);
            UpdateTableCommands(m_workbench.Tables().Count() > 0);
        },
        Qt::QueuedConnection);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        if (auto* tableWin = qobject_cast<TTableWin*>(window->widget()); tableWin && !tableWin->MayClose()) {
            event->ignore();
            return;
        }
    }
    WriteOptions();
    m_workbench.Kinds().SaveConfiguration(m_ui);   // what the data options changed
    setAcceptDrops(false);
    event->accept();
}

void TMainForm::changeEvent(QEvent* event)
{
    // The system's decimal separator is followed unless the options choose the point.
    if (event->type() == QEvent::LocaleChange && !m_workbench.Options().DecimalSepPoint)
        m_workbench.UpdateDecimalSeparator(m_ui);
    QMainWindow::changeEvent(event);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    event->acceptProposedAction();
    OpenFiles(paths);
    UpdateTableCommands(m_workbench.Tables().Count() > 0);
}

namespace {

// The help topic of what F1 was pressed on: the highlighted item of an open menu (else the menu's
// own topic), or the nearest window or dialog that has one; the contents otherwise.
int HelpTopicFor(QObject* receiver)
{
    QAction* item = nullptr;
    QAction* owner = nullptr;
    if (auto* menu = qobject_cast<QMenu*>(receiver)) {
        item = menu->activeAction();
        owner = menu->menuAction();
    } else if (auto* bar = qobject_cast<QMenuBar*>(receiver)) {
        item = bar->activeAction();
    }
    for (const QAction* action : {item, owner})
        if (action && action->property("helpTopic").isValid())
            return action->property("helpTopic").toInt();
    for (auto* widget = qobject_cast<QWidget*>(receiver); widget; widget = widget->parentWidget())
        if (const QVariant topic = widget->property("helpTopic"); topic.isValid())
            return topic.toInt();
    return 1;
}

}   // namespace

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            // The help of a modal dialog belongs to it, so that it can be read while the dialog waits.
            QWidget* modal = QApplication::activeModalWidget();
            THelpWindow::ShowTopic(m_workbench.ProgramDirectory(), m_workbench.Language(), HelpTopicFor(watched),
                                   modal ? modal : this);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
