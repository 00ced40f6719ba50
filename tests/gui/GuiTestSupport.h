#pragma once

#include "gui/app/MainForm.h"
#include "support/TestSupport.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Acts on the next modal window (a dialog or a message box) as soon as it waits for the user: the
// test schedules the answer, then starts the command that shows the window. A window is modal from
// the moment it is shown, a little before its own event loop runs, and closing it before that loop
// runs would leave the loop waiting for ever; so the answer waits until the event dispatcher is
// about to block, which happens only inside the window's loop.
inline void WhenModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                                       [connection, window = QPointer<QWidget>(modal), act] {
                                           QObject::disconnect(*connection);
                                           QMetaObject::invokeMethod(
                                               qApp,
                                               [window, act] {
                                                   if (window)
                                                       act(window);
                                               },
                                               Qt::QueuedConnection);
                                       });
    });
    timer->start();
}

// Closes the next message box with the button of that text ("&Yes", "OK" …) or the standard button.
void AnswerMessage(QMessageBox::StandardButton button, QString* text = nullptr);

// Presses the button with this text (as written, ampersands included) in a dialog.
void Press(QWidget* dialog, const QString& caption);

// The named child of a window; a test failure when there is none.
template <class T> T* Find(QWidget* window, const char* name)
{
    T* widget = window->findChild<T*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << "no " << name << " in " << window->metaObject()->className();
    return widget;
}

// A new table of the main window, made by its New command, with columns named `names` (bound to
// kinds where a name is one) and rows of cell texts (a short row leaves its last cells empty); not
// marked modified.
TTable& AddTable(TMainForm& form, const QStringList& names, const QList<QStringList>& rows);

// A main window with its own SALVENTO.INI (the shipped one unless given) in a scratch directory,
// which is also its program directory (WSI.INI, help, language modules).
class MainFormFixture
{
public:
    explicit MainFormFixture(const QByteArray& ini = QByteArray(), int language = 1045);
    ~MainFormFixture();

    TMainForm& Form() { return *m_form; }
    TempHome& Home() { return m_home; }

private:
    TempHome m_home;
    std::unique_ptr<TMainForm> m_form;
};

// The desktop program of the build tree; its language modules lie beside it.
inline QString ProgramPath()
{
    return QDir(QStringLiteral(SALVENTO_BIN_DIR)).filePath(QStringLiteral("salvento"));
}

// The English module installed for the life of the object, as the start-up installs it.
class EnglishModule
{
public:
    EnglishModule()
    {
        m_loaded = m_translator.load(ProgramPath() + QStringLiteral(".ENU"));
        if (m_loaded)
            QCoreApplication::installTranslator(&m_translator);
    }
    ~EnglishModule() { QCoreApplication::removeTranslator(&m_translator); }

    bool Loaded() const { return m_loaded; }
    const QTranslator& Translator() const { return m_translator; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};
