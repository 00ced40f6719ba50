#pragma once

#include <QDialog>

// "O Salvento".
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    static void Show(QWidget* parent);
};
