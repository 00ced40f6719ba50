#include "gui/app/HelpWindow.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPointer<THelpWindow> OpenWindow;

constexpr int PageRole = Qt::UserRole;

}   // namespace

THelpWindow::THelpWindow(const QString& directory, QWidget* parent) : QWidget(parent, Qt::Window), m_book(directory)
{
    setObjectName(QStringLiteral("THelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Pomoc programu Salvento"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &THelpWindow::FollowPage);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("HelpTabs"));
    m_tabs->addTab(CreateContents(), tr("Spis treści"));
    m_tabs->addTab(CreateIndex(), tr("Indeks"));
    m_tabs->addTab(CreateSearch(), tr("Szukaj"));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 580});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CreateToolBar());
    layout->addWidget(splitter);
    resize(860, 600);
}

QToolBar* THelpWindow::CreateToolBar()
{
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto add = [&](const QString& caption, const QString& tip, const QKeySequence& key, auto slot) {
        QAction* action = bar->addAction(caption);
        action->setToolTip(tip);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QAction* back = add(tr("&Wstecz"), tr("Poprzednio oglądana strona"), QKeySequence::Back,
                        [this] { m_browser->backward(); });
    QAction* forward = add(tr("&Dalej"), tr("Następna strona w historii"), QKeySequence::Forward,
                           [this] { m_browser->forward(); });
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    add(tr("&Spis treści"), tr("Spis treści pomocy"), QKeySequence(Qt::ALT | Qt::Key_Home),
        [this] { ShowPage(m_book.PagePath(QStringLiteral("index.html"))); });
    bar->addSeparator();
    add(tr("D&rukuj ..."), tr("Drukuje oglądaną stronę"), QKeySequence::Print, [this] { PrintPage(); });
    add(tr("Za&pisz stronę ..."), tr("Zapisuje oglądaną stronę w pliku HTML"), QKeySequence::Save,
        [this] { SavePage(); });
    return bar;
}

QWidget* THelpWindow::CreateContents()
{
    m_contents = new QTreeWidget(this);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_contents->setHeaderHidden(true);
    AddEntries(m_contents->invisibleRootItem(), m_book.Contents());
    m_contents->expandToDepth(0);
    connect(m_contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (const QString page = item->data(0, PageRole).toString(); !page.isEmpty())
            ShowPage(m_book.PagePath(page));
    });
    connect(m_contents, &QTreeWidget::itemClicked, m_contents, &QTreeWidget::itemActivated);
    return m_contents;
}

void THelpWindow::AddEntries(QTreeWidgetItem* parent, const std::vector<THelpBook::Entry>& entries)
{
    for (const THelpBook::Entry& entry : entries) {
        auto* item = new QTreeWidgetItem(parent, {entry.Title});
        item->setData(0, PageRole, entry.Page);
        if (!entry.Page.isEmpty())
            m_contentsItems.emplace(entry.Page, item);
        AddEntries(item, entry.Children);
    }
}

QWidget* THelpWindow::CreateIndex()
{
    auto* page = new QWidget(this);
    m_term = new QLineEdit(page);
    m_term->setObjectName(QStringLiteral("HelpTerm"));
    m_term->setPlaceholderText(tr("Wpisz początek szukanego hasła"));
    m_terms = new QListWidget(page);
    m_terms->setObjectName(QStringLiteral("HelpTerms"));
    for (const THelpBook::Term& term : m_book.Index()) {
        auto* item = new QListWidgetItem(term.Text, m_terms);
        item->setData(PageRole, term.Page);
        item->setToolTip(m_book.Title(term.Page));
    }
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_term);
    layout->addWidget(m_terms);
    connect(m_term, &QLineEdit::textEdited, this, &THelpWindow::ShowTerm);
    connect(m_term, &QLineEdit::returnPressed, this, [this] {
        if (QListWidgetItem* item = m_terms->currentItem())
            emit m_terms->itemActivated(item);
    });
    connect(m_terms, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowPage(m_book.PagePath(item->data(PageRole).toString())); });
    connect(m_terms, &QListWidget::itemClicked, m_terms, &QListWidget::itemActivated);
    return page;
}

// Selects the first term that begins with the text typed.
void THelpWindow::ShowTerm(const QString& text)
{
    for (int row = 0; row < m_terms->count(); ++row)
        if (m_terms->item(row)->text().startsWith(text, Qt::CaseInsensitive)) {
            m_terms->setCurrentRow(row);
            m_terms->scrollToItem(m_terms->item(row), QAbstractItemView::PositionAtTop);
            return;
        }
}

QWidget* THelpWindow::CreateSearch()
{
    auto* page = new QWidget(this);
    m_words = new QLineEdit(page);
    m_words->setObjectName(QStringLiteral("HelpWords"));
    m_words->setPlaceholderText(tr("Szukane słowa, Enter rozpoczyna szukanie"));
    m_found = new QListWidget(page);
    m_found->setObjectName(QStringLiteral("HelpFound"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_words);
    layout->addWidget(m_found);
    connect(m_words, &QLineEdit::returnPressed, this, &THelpWindow::Search);
    connect(m_found, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        ShowPage(m_book.PagePath(item->data(PageRole).toString()));
        // The first place of the first word searched for is selected.
        const QStringList words = m_words->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!words.isEmpty())
            m_browser->find(words.first());
    });
    connect(m_found, &QListWidget::itemClicked, m_found, &QListWidget::itemActivated);
    return page;
}

void THelpWindow::Search()
{
    m_found->clear();
    const QStringList pages = m_book.Search(m_words->text());
    for (const QString& page : pages) {
        auto* item = new QListWidgetItem(m_book.Title(page), m_found);
        item->setData(PageRole, page);
    }
    if (pages.isEmpty() && !m_words->text().trimmed().isEmpty())
        new QListWidgetItem(tr("Nie znaleziono stron zawierających szukane słowa."), m_found);
}

QString THelpWindow::PageDirectory(const QString& programDirectory, int language)
{
    return QDir(programDirectory).filePath(language == 1045 ? QStringLiteral("help/pl") : QStringLiteral("help/en"));
}

QString THelpWindow::TopicPage(const QString& programDirectory, int language, int topic)
{
    const QDir pages(PageDirectory(programDirectory, language));
    const QString page = pages.filePath(QStringLiteral("%1.html").arg(topic));
    return QFileInfo::exists(page) ? page : pages.filePath(QStringLiteral("index.html"));
}

void THelpWindow::ShowTopic(const QString& programDirectory, int language, int topic, QWidget* parent)
{
    Open(PageDirectory(programDirectory, language), TopicPage(programDirectory, language, topic), parent);
}

void THelpWindow::ShowContents(const QString& programDirectory, int language, QWidget* parent)
{
    const QString pages = PageDirectory(programDirectory, language);
    Open(pages, QDir(pages).filePath(QStringLiteral("index.html")), parent);
}

void THelpWindow::Open(const QString& directory, const QString& page, QWidget* parent)
{
    if (!OpenWindow) {
        OpenWindow = new THelpWindow(directory, parent);
        // Centred on the screen of the window asking for help, and wholly inside its free area.
        const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        const QRect available = screen->availableGeometry();
        QRect frame(QPoint(), OpenWindow->size().boundedTo(available.size() * 0.9));
        frame.moveCenter(available.center());
        OpenWindow->setGeometry(frame);
    } else if (OpenWindow->parentWidget() != parent)
        OpenWindow->setParent(parent, Qt::Window);
    OpenWindow->ShowPage(page);
    OpenWindow->show();
    OpenWindow->raise();
    OpenWindow->activateWindow();
}

QString THelpWindow::Page() const
{
    return m_browser->source().toLocalFile();
}

void THelpWindow::ShowPage(const QString& path)
{
    if (QFileInfo::exists(path)) {
        m_browser->setSource(QUrl::fromLocalFile(path));
        return;
    }
    m_browser->clear();
    m_browser->setPlainText(tr("Nie znaleziono pliku pomocy %1.").arg(QDir::toNativeSeparators(path)));
}

// The contents show where the page shown is.
void THelpWindow::FollowPage(const QUrl& page)
{
    const auto item = m_contentsItems.find(page.fileName());
    if (item == m_contentsItems.end())
        return;
    m_contents->setCurrentItem(item->second);
    m_contents->scrollToItem(item->second);
}

void THelpWindow::PrintPage()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        m_browser->print(&printer);
}

void THelpWindow::SavePage()
{
    const QString source = Page();
    if (source.isEmpty())
        return;
    const QString path = QFileDialog::getSaveFileName(this, tr("Zapisz stronę pomocy"), QFileInfo(source).fileName(),
                                                      tr("Strony HTML (*.html)"));
    if (path.isEmpty())
        return;
    QFile page(source);
    QSaveFile copy(path);
    if (!page.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly) || copy.write(page.readAll()) < 0
        || !copy.commit())
        QMessageBox::critical(this, windowTitle(), tr("Błąd podczas zapisu do pliku %1 !").arg(path));
}
