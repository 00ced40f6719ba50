#pragma once

#include <QWidget>

// The help: bundled HTML pages shown by topic number.
class THelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Opens the help at a topic, in the interface language (1045 Polish, 1033 English).
    static void ShowTopic(const QString& programDirectory, int language, int topic, QWidget* parent);
};
