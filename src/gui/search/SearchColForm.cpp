#include "gui/search/SearchColForm.h"
#include "gui/calc/KindList.h"

#include "core/data/AbstractData.h"
#include "core/data/DataManager.h"
#include "gui/app/Hints.h"

#include <QCollator>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

TSearchColForm::TSearchColForm(const DataManager& kinds, const QString& name, QWidget* parent)
    : QDialog(parent), m_kinds(kinds)
{
    setObjectName(QStringLiteral("TSearchColForm"));
    setWindowTitle(tr("Szukaj kolumny"));
    SetHelpTopic(this, 129);

    auto* group = new QGroupBox(tr("&Nazwa kolumny do znalezienia:"), this);
    // A bold title over the group; what is inside keeps the normal weight (set explicitly, or it
    // would be inherited from the group).
    QFont bold = font(), normal = font();
    bold.setBold(true);
    normal.setBold(false);
    group->setFont(bold);
    m_cmbData = new QComboBox(group);
    m_cmbData->setObjectName(QStringLiteral("cmbData"));
    m_cmbData->setFont(normal);
    m_cmbData->setEditable(true);
    m_cmbData->setInsertPolicy(QComboBox::NoInsert);
    QStringList names;
    kinds.AddAllNames(names);
    QCollator order;
    order.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), order);
    m_cmbData->addItems(names);
    ShowKindDescriptions(m_cmbData, kinds);
    m_cmbData->setCurrentIndex(-1);
    m_lbDescr = new QLabel(group);
    m_lbDescr->setObjectName(QStringLiteral("lbDescr"));
    m_lbDescr->setFont(normal);
    m_lbDescr->setWordWrap(true);
    m_lbDescr->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the longest description, so that the dialog need not grow while the user types.
    m_lbDescr->setMinimumHeight(3 * m_lbDescr->fontMetrics().lineSpacing());
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_cmbData);
    groupLayout->addWidget(m_lbDescr);
    groupLayout->addStretch();

    auto* buttons = new QDialogButtonBox(this);
    auto* btnOK = buttons->addButton(tr("&Szukaj"), QDialogButtonBox::AcceptRole);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    auto* btnCancel = buttons->addButton(tr("Anuluj"), QDialogButtonBox::RejectRole);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TSearchColForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TSearchColForm::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);

    connect(m_cmbData, &QComboBox::editTextChanged, this, &TSearchColForm::ShowDescription);
    m_cmbData->setEditText(name);
    ShowDescription(name);
    resize(360, sizeHint().height());
}

QString TSearchColForm::ColumnName() const
{
    return m_cmbData->currentText();
}

std::optional<QString> TSearchColForm::Ask(const DataManager& kinds, const QString& name, QWidget* parent)
{
    TSearchColForm form(kinds, name, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.ColumnName();
}

void TSearchColForm::ShowDescription(const QString& text)
{
    const TAbstractData* kind = m_kinds.FindByName(text);
    m_lbDescr->setText(kind ? kind->Description : QString());
}
