#pragma once

#include "app/MainForm.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <memory>

// Acts on the next modal window (a dialog or a message box) as soon as it is shown: the test
// schedules the answer, then starts the command that shows the window.
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
        act(modal);
    });
    timer->start();
}

// Closes the next message box with the button of that text ("&Yes", "OK" …) or the standard button.
void AnswerMessage(QMessageBox::StandardButton button, QString* text = nullptr);

// Presses the button with this text (as written, ampersands included) in a dialog.
void Press(QWidget* dialog, const QString& caption);

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
