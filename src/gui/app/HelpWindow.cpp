#include "gui/app/HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPointer<THelpWindow> OpenWindow;

}   // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("THelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Pomoc programu Salvento"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 480);
}

QString THelpWindow::TopicPage(const QString& programDirectory, int language, int topic)
{
    const QDir pages(
        QDir(programDirectory).filePath(language == 1045 ? QStringLiteral("help/pl") : QStringLiteral("help/en")));
    const QString page = pages.filePath(QStringLiteral("topic-%1.html").arg(topic));
    return QFileInfo::exists(page) ? page : pages.filePath(QStringLiteral("index.html"));
}

void THelpWindow::ShowTopic(const QString& programDirectory, int language, int topic, QWidget* parent)
{
    if (!OpenWindow) {
        OpenWindow = new THelpWindow(parent);
        // Centred on the screen of the window asking for help, and wholly inside its free area.
        const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        const QRect available = screen->availableGeometry();
        QRect frame(QPoint(), OpenWindow->size().boundedTo(available.size() * 0.9));
        frame.moveCenter(available.center());
        OpenWindow->setGeometry(frame);
    } else if (OpenWindow->parentWidget() != parent)
        OpenWindow->setParent(parent, Qt::Window);
    OpenWindow->ShowPage(TopicPage(programDirectory, language, topic));
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
