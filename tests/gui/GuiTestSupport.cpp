#include "GuiTestSupport.h"

#include "core/table/Table.h"
#include "gui/table/TableWin.h"

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace {

QByteArray Shipped(const char* name)
{
    QFile file(QStringLiteral(SALVENTO_RESOURCES "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}   // namespace

void AnswerMessage(QMessageBox::StandardButton button, QString* text)
{
    WhenModal([button, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr) << "expected a message box, got " << modal->metaObject()->className();
        if (text)
            *text = box->text();
        ASSERT_NE(box->button(button), nullptr) << "no such button in: " << box->text().toStdString();
        box->button(button)->click();
    });
}

void Press(QWidget* dialog, const QString& caption)
{
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->text() == caption) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << caption.toStdString() << " in " << dialog->metaObject()->className();
}

TTable& AddTable(TMainForm& form, const QStringList& names, const QList<QStringList>& rows)
{
    form.Actions().New->trigger();
    TTable& table = form.ActiveTableWin()->Table();
    table.SetColCount(int(names.size()) + 1);
    table.SetRowCount(int(rows.size()) + 1);
    for (int c = 1; c <= names.size(); ++c)
        table.BindHeader(c, names[c - 1], form.Workbench().Kinds());
    for (int r = 1; r <= rows.size(); ++r) {
        table.SetRowLabel(r);
        for (int c = 1; c <= std::min(names.size(), rows[r - 1].size()); ++c)
            table.SetCellText(c, r, rows[r - 1][c - 1]);
    }
    table.SetModified(false);
    return table;
}

MainFormFixture::MainFormFixture(const QByteArray& ini, int language)
    : m_home(ini.isNull() ? Shipped("SALVENTO.INI") : ini)
{
    m_home.Write(QStringLiteral("WSI.INI"), Shipped("WSI.INI"));
    m_form = std::make_unique<TMainForm>(m_home.IniPath(), m_home.Path(QString()));
    m_form->SetLanguage(language);
    m_form->show();
}

MainFormFixture::~MainFormFixture()
{
    m_form.reset();
}
