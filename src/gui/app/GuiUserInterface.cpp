#include "gui/app/GuiUserInterface.h"

#include "gui/app/Application.h"

#include "gui/calc/CalcMainForm.h"
#include "gui/calc/PossibleIdxsSelForm.h"
#include "gui/table/LoadOptionsForm.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QThread>

#include <functional>

namespace {

QMessageBox::Icon BoxIcon(UserInterface::Icon icon)
{
    switch (icon) {
    case UserInterface::Icon::Error:
        return QMessageBox::Critical;
    case UserInterface::Icon::Warning:
        return QMessageBox::Warning;
    case UserInterface::Icon::Information:
        return QMessageBox::Information;
    case UserInterface::Icon::Question:
        return QMessageBox::Question;
    case UserInterface::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Message texts keep the line ends they were written with; a box needs plain line feeds.
QString BoxText(const QString& text)
{
    QString box = text;
    return box.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The user is asked on the thread of the windows: a call from a worker thread (a calculation
// running in the background) waits there until the user has answered.
void OnGuiThread(const std::function<void()>& ask)
{
    if (QThread::currentThread() == qApp->thread())
        ask();
    else
        QMetaObject::invokeMethod(qApp, ask, Qt::BlockingQueuedConnection);
}

}   // namespace

GuiUserInterface::GuiUserInterface(QWidget* window, TableSet& tables) : m_window(window), m_tables(tables)
{ }

void GuiUserInterface::ShowMessage(const QString& text, Icon icon)
{
    OnGuiThread([&] {
        QMessageBox box(BoxIcon(icon), TApplication::Title(), BoxText(text), QMessageBox::Ok, m_window);
        box.exec();
    });
}

void GuiUserInterface::ShowReport(const QString& text)
{
    if (auto* window = qobject_cast<QMainWindow*>(m_window))
        window->statusBar()->showMessage(text);
    else
        UserInterface::ShowReport(text);
}

bool GuiUserInterface::AskYesNo(const QString& text)
{
    bool yes = false;
    OnGuiThread([&] {
        QMessageBox box(QMessageBox::Question, TApplication::Title(), BoxText(text), QMessageBox::Yes | QMessageBox::No,
                        m_window);
        box.setDefaultButton(QMessageBox::No);
        yes = box.exec() == QMessageBox::Yes;
    });
    return yes;
}

std::optional<LoadOptions> GuiUserInterface::ChooseLoadOptions(const LoadOptionsRequest& request)
{
    return TLoadOptionsForm::Choose(request, m_window, m_options ? *m_options : TOptionsRecord());
}

std::optional<CalcChoices> GuiUserInterface::ChooseCalculation(const CalcSettings& settings)
{
    return TCalcMainForm::Choose(settings, m_tables, m_activeTable ? m_activeTable() : nullptr, *this, m_window);
}

std::optional<KindFlags> GuiUserInterface::ChooseIndices(const KindFlags& possible, const KindFlags& preselected)
{
    return TPossibleIdxsSelForm::Choose(possible, preselected, *m_kinds, m_window);
}
