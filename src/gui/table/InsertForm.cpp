#include "gui/table/InsertForm.h"

#include "gui/app/Hints.h"
#include "gui/table/CountLine.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TInsertForm::TInsertForm(const TableSelection& selection, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TInsertForm"));
    setWindowTitle(tr("Wstaw kolumny / wiersze"));
    FitTitle(this);
    Hint(this, tr("To okno służy do wstawiania kolumn i wierszy do aktywnej tabeli"));
    SetHelpTopic(this, 306);
    const RowColCounts counts = DefaultRowColCounts(selection);

    auto* layout = new QVBoxLayout(this);
    auto* lines = new QGridLayout;
    layout->addLayout(lines);
    m_edRows = AddCountLine(lines, 0, tr("Wstaw"), counts.Rows, tr("&wierszy"), QStringLiteral("edRows"),
                            tr("Liczba nowych wierszy do wstawienia"));
    m_edCols = AddCountLine(lines, 1, tr("Wstaw"), counts.Cols, tr("&kolumn"), QStringLiteral("edCols"),
                            tr("Liczba nowych kolumn do wstawienia"));
    lines->setColumnStretch(3, 1);

    auto* where = new QGroupBox(tr("Wstaw"), this);
    where->setObjectName(QStringLiteral("rgInsertWhere"));
    Hint(where, tr("Określa miejsce wstawienia nowych wierszy/kolumn"));
    m_rgInsertWhere = new QButtonGroup(this);
    auto* whereLayout = new QVBoxLayout(where);
    const QString places[] = {tr("Na &końcu tabeli"), tr("Tu gdzie k&ursor")};
    for (int place = 0; place < 2; ++place) {
        auto* button = new QRadioButton(places[place], where);
        m_rgInsertWhere->addButton(button, place);
        whereLayout->addWidget(button);
    }
    m_rgInsertWhere->button(1)->setChecked(true);
    layout->addWidget(where);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* btnInsert = buttons->addButton(tr("&Wstaw"), QDialogButtonBox::AcceptRole);
    btnInsert->setDefault(true);
    QPushButton* btnCancel = buttons->addButton(tr("Anuluj"), QDialogButtonBox::RejectRole);
    Hint(btnCancel, tr("Zamyka okno bez podejmowania żadnych działań"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TInsertForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TInsertForm::reject);
    layout->addWidget(buttons);
}

int TInsertForm::Rows() const
{
    return CountFromText(m_edRows->text());
}

int TInsertForm::Cols() const
{
    return CountFromText(m_edCols->text());
}

bool TInsertForm::AtEnd() const
{
    return m_rgInsertWhere->checkedId() == 0;
}
