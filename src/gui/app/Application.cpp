#include "gui/app/Application.h"

#include "core/base/FileError.h"
#include "core/base/UserInterface.h"

#include <QIcon>
#include <QMessageBox>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("salvento"));
    setApplicationVersion(QStringLiteral(SALVENTO_VERSION));
    Q_INIT_RESOURCE(icons);   // compiled into the static GUI library, so registered by hand
    setWindowIcon(QIcon(QStringLiteral(":/icons/salvento.svg")));
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
    } catch (const std::bad_alloc&) {
        message = OutOfMemoryMessage();
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    }
    QMessageBox::critical(activeWindow(), Title(), message);
    return false;
}
