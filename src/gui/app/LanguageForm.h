#pragma once

#include <QDialog>

// "Wybierz język / Choose a language / Choisissez une langue".
class TLanguageForm : public QDialog
{
    Q_OBJECT

public:
    explicit TLanguageForm(int focusLanguage, QWidget* parent = nullptr);

    // 1045 (Polish), 1033 (English), or 0 when the window was closed without a choice.
    static int Ask(int focusLanguage, QWidget* parent);
};
