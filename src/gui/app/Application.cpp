#include "app/Application.h"

#include "FileError.h"

#include <QMessageBox>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("salvento"));
}

QString TApplication::Title()
{
    return QStringLiteral("Salvento for Windows");
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const FileError& error) {
        message = error.Message();
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    }
    QMessageBox::critical(activeWindow(), Title(), message);
    return false;
}
