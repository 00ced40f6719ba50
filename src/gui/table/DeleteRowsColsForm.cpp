#include "gui/table/DeleteRowsColsForm.h"

#include "gui/app/Hints.h"
#include "gui/table/CountLine.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDeleteRowsColsForm::TDeleteRowsColsForm(const TableSelection& selection, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TDeleteRowsColsForm"));
    setWindowTitle(tr("Usuń kolumny / wiersze"));
    FitTitle(this);
    Hint(this, tr("To okno służy do usuwania kolumn i wierszy z aktywnej tabeli"));
    SetHelpTopic(this, 305);
    const RowColCounts counts = DefaultRowColCounts(selection);

    auto* layout = new QVBoxLayout(this);
    auto* lines = new QGridLayout;
    layout->addLayout(lines);
    m_edRows = AddCountLine(lines, 0, tr("Usuń"), counts.Rows, tr("&wierszy"), QStringLiteral("edRows"),
                            tr("Ilość wierszy (poczynając od aktywnego) do usunięcia"));
    m_edCols = AddCountLine(lines, 1, tr("Usuń"), counts.Cols, tr("&kolumn"), QStringLiteral("edCols"),
                            tr("Ilość kolumn (poczynając od aktywnej) do usunięcia"));
    lines->setColumnStretch(3, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* btnDelete = buttons->addButton(tr("&Usuń"), QDialogButtonBox::AcceptRole);
    btnDelete->setDefault(true);
    Hint(btnDelete, tr("Usunięcie podanej liczby kolumn i wierszy z aktywnej tabeli"));
    buttons->addButton(tr("Anuluj"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TDeleteRowsColsForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TDeleteRowsColsForm::reject);
    layout->addWidget(buttons);
}

int TDeleteRowsColsForm::Rows() const
{
    return CountFromText(m_edRows->text());
}

int TDeleteRowsColsForm::Cols() const
{
    return CountFromText(m_edCols->text());
}
