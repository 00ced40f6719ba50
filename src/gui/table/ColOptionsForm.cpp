#include "gui/table/ColOptionsForm.h"
#include "gui/calc/KindList.h"

#include "core/data/DataManager.h"
#include "core/table/Editing.h"
#include "core/table/Table.h"
#include "gui/app/Hints.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TColOptionsForm::TColOptionsForm(const TTable& table, int c, const DataManager& kinds, UserInterface& ui,
                                 QWidget* parent)
    : QDialog(parent), m_table(table), m_column(c), m_kinds(kinds), m_ui(ui)
{
    setObjectName(QStringLiteral("TColOptionsForm"));
    setWindowTitle(tr("Opcje kolumny"));
    Hint(this, tr("To okno służy do zmiany nazwy bieżącej kolumny w tabeli (i ew. związanej z nią danej/wskaźnika)"));
    SetHelpTopic(this, 303);

    // The names of the kinds a column can be bound to, sorted as the program's lists are: letter
    // case ignored.
    QStringList names;
    kinds.AddAllNames(names);
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    m_cmbColName = new QComboBox(this);
    m_cmbColName->setObjectName(QStringLiteral("cmbColName"));
    m_cmbColName->setEditable(true);
    m_cmbColName->setInsertPolicy(QComboBox::NoInsert);
    m_cmbColName->setMaxVisibleItems(10);
    m_cmbColName->addItems(names);
    ShowKindDescriptions(m_cmbColName, kinds);
    m_cmbColName->lineEdit()->setMaxLength(20);
    m_cmbColName->setEditText(table.HeaderText(c));
    m_cmbColName->lineEdit()->selectAll();   // typing replaces the name
    Hint(m_cmbColName, tr("Nazwa kolumny: predefiniowana lub dowolna inna"));
    auto* nameLabel = new QLabel(tr("&Nazwa kolumny:"), this);
    nameLabel->setBuddy(m_cmbColName);

    m_lbDescr = new QLabel(this);
    m_lbDescr->setObjectName(QStringLiteral("lbDescr"));
    m_lbDescr->setWordWrap(true);
    m_lbDescr->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lbDescr->setMinimumHeight(3 * m_lbDescr->fontMetrics().lineSpacing());
    QFont italic = m_lbDescr->font();
    italic.setItalic(true);
    m_lbDescr->setFont(italic);
    Hint(m_lbDescr, tr("Opis wybranej z listy danej/wskaźnika"));
    connect(m_cmbColName, &QComboBox::editTextChanged, this, &TColOptionsForm::ShowDescription);
    ShowDescription(m_cmbColName->currentText());

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* btnChange = buttons->addButton(tr("&Zmień"), QDialogButtonBox::AcceptRole);
    btnChange->setDefault(true);
    Hint(btnChange, tr("Zmiana nazwy bieżącej kolumny na podaną"));
    QPushButton* btnCancel = buttons->addButton(tr("Anuluj"), QDialogButtonBox::RejectRole);
    Hint(btnCancel, tr("Rezygnacja ze zmieniania nazwy bieżącej kolumny"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TColOptionsForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TColOptionsForm::reject);

    auto* nameLine = new QHBoxLayout;
    nameLine->addWidget(nameLabel);
    nameLine->addWidget(m_cmbColName, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameLine);
    layout->addWidget(m_lbDescr, 1);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

QString TColOptionsForm::ColumnName() const
{
    return m_cmbColName->currentText();
}

void TColOptionsForm::accept()
{
    if (!ValidateColumnName(m_table, m_column, ColumnName(), m_ui))
        return;
    QDialog::accept();
}

void TColOptionsForm::ShowDescription(const QString& name)
{
    const TAbstractData* kind = m_kinds.FindByName(name);
    m_lbDescr->setText(kind ? kind->Description : QString());
}
