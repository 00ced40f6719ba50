#include "app/HelpWindow.h"

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent) {}

void THelpWindow::ShowTopic(const QString&, int, int, QWidget*) {}
