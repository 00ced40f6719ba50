#pragma once

#include <QDialog>

// "O Salvento": the program's icon, name and version, and one button that closes the box.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Shows the box modally until its button, Enter or Esc closes it.
    static void Show(QWidget* parent);
};
