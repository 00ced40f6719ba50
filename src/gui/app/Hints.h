#pragma once

#include <QFontMetrics>
#include <QString>
#include <QWidget>

#include <algorithm>

// A hint as the program writes it: "short|long". The short part is the tool tip, the long part the
// status tip; a hint without a bar is both.
inline void Hint(QWidget* widget, const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    widget->setToolTip(bar < 0 ? hint : hint.left(bar));
    widget->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

// The help topic F1 opens for a window or dialog.
inline void SetHelpTopic(QWidget* widget, int topic)
{
    widget->setProperty("helpTopic", topic);
}

// Widens a small window so that its title bar shows the whole title (bold, as title bars often
// are) beside the window's icon and buttons.
inline void FitTitle(QWidget* window)
{
    constexpr int titleBarControls = 120;
    QFont bold = window->font();
    bold.setBold(true);
    const int title = QFontMetrics(bold).horizontalAdvance(window->windowTitle());
    window->setMinimumWidth(std::max(window->minimumWidth(), title + titleBarControls));
}
