#include "gui/calc/PossibleIndexesForm.h"

#include "core/base/UserInterface.h"
#include "core/calc/CalcChoices.h"
#include "core/data/DataManager.h"
#include "core/table/TableSet.h"
#include "gui/app/Hints.h"
#include "gui/calc/KindList.h"
#include "gui/calc/PossibleIdxsDispForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A list of kind Names in a group, with the description of its current entry below it.
QListWidget* KindListGroup(const QString& title, const char* listName, const char* labelName, const QStringList& names,
                           const DataManager& kinds, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* list = new QListWidget(group);
    list->setObjectName(QLatin1String(listName));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    AddSorted(list, names);
    auto* description = new QLabel(group);
    description->setObjectName(QLatin1String(labelName));
    description->setWordWrap(true);
    description->setMinimumHeight(3 * description->fontMetrics().height());
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QObject::connect(
        list, &QListWidget::currentItemChanged, description,
        [description, &kinds](const QListWidgetItem* current) { description->setText(DescriptionOf(current, kinds)); });
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(list, 1);
    layout->addWidget(description);
    return list;
}

}   // namespace

TPossibleIndexesForm::TPossibleIndexesForm(DataManager& kinds, const TableSet& tables, UserInterface& ui,
                                           QWidget* parent)
    : QDialog(parent), m_kinds(kinds), m_ui(ui)
{
    setObjectName(QStringLiteral("TPossibleIndexesForm"));
    setWindowTitle(tr("Co możesz obliczyć"));
    SetHelpTopic(this, 141);

    KindFlags have{};
    for (int i = 0; i < tables.Count(); ++i)
        tables.At(i)->MarkKindsPresent(have);
    KindFlags haveNot{};
    for (std::size_t id = 0; id < have.size(); ++id)
        haveNot[id] = !have[id];
    QStringList haveNames;
    kinds.AddNamesWhere(haveNames, have);
    QStringList haveNotNames;
    kinds.AddNamesWhere(haveNotNames, haveNot);
    m_lbDontHave = KindListGroup(tr("Tych danych &nie mam"), "lbDontHave", "lbDescrDontHave", haveNotNames, kinds,
                                 this);
    m_lbHave = KindListGroup(tr("Te dane &mam"), "lbHave", "lbDescrHave", haveNames, kinds, this);

    m_btnToRight = new QToolButton(this);
    m_btnToRight->setObjectName(QStringLiteral("btnToRight"));
    m_btnToRight->setArrowType(Qt::RightArrow);
    connect(m_btnToRight, &QToolButton::clicked, this, [this] { Move(m_lbDontHave, m_lbHave); });
    m_btnToLeft = new QToolButton(this);
    m_btnToLeft->setObjectName(QStringLiteral("btnToLeft"));
    m_btnToLeft->setArrowType(Qt::LeftArrow);
    connect(m_btnToLeft, &QToolButton::clicked, this, [this] { Move(m_lbHave, m_lbDontHave); });
    auto* moveLayout = new QVBoxLayout;
    moveLayout->addStretch();
    moveLayout->addWidget(m_btnToRight);
    moveLayout->addWidget(m_btnToLeft);
    moveLayout->addStretch();

    m_btnOK = new QPushButton(tr("&Co możesz obliczyć"), this);
    m_btnOK->setObjectName(QStringLiteral("btnOK"));
    connect(m_btnOK, &QPushButton::clicked, this, &TPossibleIndexesForm::ShowPossible);
    m_btnCancel = new QPushButton(tr("&Zamknij"), this);
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(m_btnCancel, &QPushButton::clicked, this, &TPossibleIndexesForm::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnOK);
    buttons->addWidget(m_btnCancel);

    auto* lists = new QHBoxLayout;
    lists->addWidget(m_lbDontHave->parentWidget(), 1);
    lists->addLayout(moveLayout);
    lists->addWidget(m_lbHave->parentWidget(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    UpdateButtons();
}

void TPossibleIndexesForm::Move(QListWidget* from, QListWidget* to)
{
    for (int row = from->count() - 1; row >= 0; --row)
        if (from->item(row)->isSelected())
            to->addItem(from->takeItem(row));
    UpdateButtons();
}

void TPossibleIndexesForm::UpdateButtons()
{
    const bool have = m_lbHave->count() > 0;
    m_btnToLeft->setEnabled(have);
    m_btnOK->setEnabled(have);
    (have ? m_btnOK : m_btnCancel)->setDefault(true);
    m_btnToRight->setEnabled(m_lbDontHave->count() > 0);
}

void TPossibleIndexesForm::ShowPossible()
{
    KindFlags have{};
    m_kinds.MarkPresent(ListTexts(m_lbHave), have);
    KindFlags possible{};
    if (m_kinds.ComputePossible(have, possible) == 0) {
        m_ui.ShowMessage(NothingComputableText(), UserInterface::Icon::Error);
        return;
    }
    TPossibleIdxsDispForm::Show(possible, m_kinds, this);
}

void TPossibleIndexesForm::Show(DataManager& kinds, const TableSet& tables, UserInterface& ui, QWidget* parent)
{
    TPossibleIndexesForm form(kinds, tables, ui, parent);
    form.exec();
}
