#include "gui/calc/PossibleIdxsDispForm.h"

#include "core/data/DataManager.h"
#include "gui/app/Hints.h"
#include "gui/calc/KindList.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TPossibleIdxsDispForm::TPossibleIdxsDispForm(const KindFlags& possible, const DataManager& kinds, QWidget* parent)
    : QDialog(parent), m_kinds(kinds), m_listed(possible)
{
    setObjectName(QStringLiteral("TPossibleIdxsDispForm"));
    setWindowTitle(tr("Co możesz obliczyć"));
    SetHelpTopic(this, 141);

    m_gbList = new QGroupBox(tr("Te wskaźniki możesz obliczyć"), this);
    m_gbList->setObjectName(QStringLiteral("gbList"));
    Hint(m_gbList, tr("Lista wskaźników, które możesz obliczyć przy użyciu podanych wcześniej danych"));
    m_lbIndexes = new QListWidget(m_gbList);
    m_lbIndexes->setObjectName(QStringLiteral("lbIndexes"));
    m_lbIndexes->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lbIndexDescr = new QLabel(m_gbList);
    m_lbIndexDescr->setObjectName(QStringLiteral("lbIndexDescr"));
    m_lbIndexDescr->setWordWrap(true);
    m_lbIndexDescr->setMinimumHeight(3 * fontMetrics().height());
    m_lbIndexDescr->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(m_lbIndexes, &QListWidget::currentItemChanged, this,
            [this](const QListWidgetItem* current) { m_lbIndexDescr->setText(DescriptionOf(current, m_kinds)); });
    auto* listLayout = new QVBoxLayout(m_gbList);
    listLayout->addWidget(m_lbIndexes, 1);
    listLayout->addWidget(m_lbIndexDescr);
    FillList();

    m_btnChange = new QPushButton(tr("&Te, których NIE możesz obliczyć"), this);
    m_btnChange->setObjectName(QStringLiteral("btnChange"));
    Hint(m_btnChange, tr("Przełącza zawartość listy na wskaźniki, których nie możesz obliczyć"));
    connect(m_btnChange, &QPushButton::clicked, this, &TPossibleIdxsDispForm::SwitchList);
    auto* btnOK = new QPushButton(tr("&Zamknij"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    Hint(btnOK, tr("Zamyka okno"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TPossibleIdxsDispForm::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_btnChange);
    buttons->addStretch();
    buttons->addWidget(btnOK);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_gbList, 1);
    layout->addLayout(buttons);
}

void TPossibleIdxsDispForm::FillList()
{
    m_lbIndexes->clear();
    QStringList names;
    m_kinds.AddNamesWhere(names, m_listed);
    AddSorted(m_lbIndexes, names);
}

void TPossibleIdxsDispForm::SwitchList()
{
    for (int id = kind::FirstComputed; id < kind::ListedCount; ++id)
        m_listed[std::size_t(id)] = !m_listed[std::size_t(id)];
    m_showsPossible = !m_showsPossible;
    if (m_showsPossible) {
        m_gbList->setTitle(tr("Te wskaźniki możesz obliczyć"));
        Hint(m_gbList, tr("Lista wskaźników, które możesz obliczyć przy użyciu podanych wcześniej danych"));
        m_btnChange->setText(tr("Te, których NIE możesz obliczyć"));
        Hint(m_btnChange, tr("Przełącza zawartość listy na wskaźniki, których nie możesz obliczyć"));
    } else {
        m_gbList->setTitle(tr("Tych wskaźników nie możesz obliczyć"));
        Hint(m_gbList, tr("Lista wskaźników, których nie możesz obliczyć przy użyciu podanych wcześniej danych"));
        m_btnChange->setText(tr("Te, które MOŻESZ obliczyć"));
        Hint(m_btnChange, tr("Przełącza zawartość listy na wskaźniki, które możesz obliczyć"));
    }
    FillList();
    if (m_lbIndexes->count() == 0)
        m_lbIndexDescr->clear();
    else
        m_lbIndexes->setCurrentRow(0);
}

void TPossibleIdxsDispForm::Show(const KindFlags& possible, const DataManager& kinds, QWidget* parent)
{
    TPossibleIdxsDispForm form(possible, kinds, parent);
    form.exec();
}
