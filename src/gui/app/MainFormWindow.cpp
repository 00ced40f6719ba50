// Arranging the table windows.

#include "gui/app/MainForm.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// The table windows that are neither minimised nor hidden.
QList<QMdiSubWindow*> NormalWindows(const QMdiArea* area)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area->subWindowList())
        if (!window->isMinimized() && !window->isHidden())
            windows.append(window);
    return windows;
}

// The height left above the row of minimised windows.
int FreeHeight(const QMdiArea* area)
{
    int height = area->viewport()->height();
    for (const QMdiSubWindow* window : area->subWindowList())
        if (window->isMinimized())
            height = std::min(height, window->y());
    return height;
}

}   // namespace

void TMainForm::TileOneAboveAnother()
{
    const QList<QMdiSubWindow*> windows = NormalWindows(m_mdiArea);
    if (windows.isEmpty())
        return;
    const int width = m_mdiArea->viewport()->width();
    const int height = FreeHeight(m_mdiArea) / int(windows.size());
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(0, i * height, width, height);
    }
}

void TMainForm::TileSideBySide()
{
    const QList<QMdiSubWindow*> windows = NormalWindows(m_mdiArea);
    if (windows.isEmpty())
        return;
    const int width = m_mdiArea->viewport()->width() / int(windows.size());
    const int height = FreeHeight(m_mdiArea);
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(i * width, 0, width, height);
    }
}

void TMainForm::MinimizeAll()
{
    // The area would maximise each window it activates while the one before it was maximised.
    const bool maximizing = !m_mdiArea->testOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    m_mdiArea->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    for (QMdiSubWindow* window : m_mdiArea->subWindowList())
        window->showMinimized();
    m_mdiArea->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, !maximizing);
    ArrangeIcons();
}

void TMainForm::ArrangeIcons()
{
    // Minimised windows in rows along the bottom edge, left to right.
    const QSize viewport = m_mdiArea->viewport()->size();
    int x = 0;
    int y = viewport.height();
    int rowHeight = 0;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (x > 0 && x + size.width() > viewport.width()) {
            x = 0;
            y -= rowHeight;
            rowHeight = 0;
        }
        rowHeight = std::max(rowHeight, size.height());
        window->move(x, y - size.height());
        x += size.width();
    }
}

void TMainForm::ToggleMaximized()
{
    QMdiSubWindow* window = m_mdiArea->currentSubWindow();
    if (!window || window->isMinimized())
        return;
    if (window->isMaximized())
        window->showNormal();
    else
        window->showMaximized();
    ActiveWindowChanged();
}
