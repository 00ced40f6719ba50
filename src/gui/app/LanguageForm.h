#pragma once

#include <QDialog>

class QPushButton;

// "Wybierz język / Choose a language / Choisissez une langue": a panel with a flag and a button for
// each language; the French one is not available yet.
class TLanguageForm : public QDialog
{
    Q_OBJECT

public:
    // The results the two buttons end the dialog with; closing the window gives Rejected.
    enum Result
    {
        Polish = 1,
        English = 6
    };

    // `focusLanguage`: 1045 focuses the Polish button, 1033 the English one.
    explicit TLanguageForm(int focusLanguage, QWidget* parent = nullptr);

    // 1045 (Polish), 1033 (English), or 0 when the window was closed without a choice.
    static int Ask(int focusLanguage, QWidget* parent);
};
