#include "app/AboutBox.h"

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {}

void TAboutBox::Show(QWidget* parent)
{
    TAboutBox box(parent);
    box.exec();
}
