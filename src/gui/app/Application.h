#pragma once

#include <QApplication>

// The application object with the program's general error report: an error that escapes a command
// (a file a formula needs, for example, or memory running out) is shown in a message box and the
// program goes on with the tables it has.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The title of the program's message boxes.
    static QString Title();
};
