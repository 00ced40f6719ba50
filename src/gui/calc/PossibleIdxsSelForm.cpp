#include "gui/calc/PossibleIdxsSelForm.h"

#include "core/data/DataManager.h"
#include "gui/app/Hints.h"
#include "gui/calc/KindList.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TPossibleIdxsSelForm::TPossibleIdxsSelForm(const KindFlags& possible, const KindFlags& preselected,
                                           const DataManager& kinds, QWidget* parent)
    : QDialog(parent), m_kinds(kinds)
{
    setObjectName(QStringLiteral("TPossibleIdxsSelForm"));
    setWindowTitle(tr("Wybór wskaźników"));
    SetHelpTopic(this, 311);

    auto* indexes = new QGroupBox(tr("Wybierz wskaźniki do &obliczenia"), this);
    m_lbIndexes = new QListWidget(indexes);
    m_lbIndexes->setObjectName(QStringLiteral("lbIndexes"));
    m_lbIndexes->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QStringList names;
    kinds.AddNamesWhere(names, possible);
    AddSorted(m_lbIndexes, names);
    for (int row = 0; row < m_lbIndexes->count(); ++row) {
        QListWidgetItem* entry = m_lbIndexes->item(row);
        const TAbstractData* data = kinds.FindByName(entry->text());
        entry->setSelected(data && preselected[std::size_t(data->Id)]);
    }
    m_lbIndexDescr = new QLabel(indexes);
    m_lbIndexDescr->setObjectName(QStringLiteral("lbIndexDescr"));
    m_lbIndexDescr->setWordWrap(true);
    m_lbIndexDescr->setMinimumHeight(2 * fontMetrics().height());
    m_lbSelCount = new QLabel(indexes);
    m_lbSelCount->setObjectName(QStringLiteral("lbSelCount"));
    m_lbAllCount = new QLabel(QString::number(m_lbIndexes->count()), indexes);
    m_lbAllCount->setObjectName(QStringLiteral("lbAllCount"));
    ShowSelectedCount();
    connect(m_lbIndexes, &QListWidget::currentItemChanged, this,
            [this](const QListWidgetItem* current) { m_lbIndexDescr->setText(DescriptionOf(current, m_kinds)); });
    connect(m_lbIndexes, &QListWidget::itemSelectionChanged, this, &TPossibleIdxsSelForm::ShowSelectedCount);

    auto* counters = new QHBoxLayout;
    counters->addWidget(new QLabel(tr("Zaznaczonych:"), indexes));
    counters->addWidget(m_lbSelCount);
    counters->addWidget(new QLabel(QStringLiteral("/"), indexes));
    counters->addWidget(m_lbAllCount);
    counters->addStretch();
    auto* indexesLayout = new QVBoxLayout(indexes);
    indexesLayout->addWidget(m_lbIndexes, 1);
    indexesLayout->addWidget(m_lbIndexDescr);
    indexesLayout->addLayout(counters);

    auto* presets = new QGroupBox(tr("Zaznacz ..."), this);
    auto* presetsLayout = new QVBoxLayout(presets);
    auto* btnSelAll = new QPushButton(tr("&Wszystkie"), presets);
    btnSelAll->setObjectName(QStringLiteral("btnSelAll"));
    connect(btnSelAll, &QPushButton::clicked, this, [this] { SelectAll(true); });
    presetsLayout->addWidget(btnSelAll);
    auto* btnSelNone = new QPushButton(tr("Ża&den"), presets);
    btnSelNone->setObjectName(QStringLiteral("btnSelNone"));
    connect(btnSelNone, &QPushButton::clicked, this, [this] { SelectAll(false); });
    presetsLayout->addWidget(btnSelNone);
    using namespace kind;
    AddGroupButton(presetsLayout, "btnOptionA", tr("Ogólna ocena warunków ....."), QString(),
                   {Tek, TE, TRE, kind::i, SB, WCI, WCT, Humidex, H, WBGT, HR, SST, pSTI, pHL});
    AddGroupButton(presetsLayout, "btnOptionB", tr("Szczegółowa ocena warunków ...."), QString(),
                   {Tek, TE, TRE, kind::i, SB, WCI, WCT, Humidex, H, WBGT, HR, MHR, SST, pSTI, pHL});
    AddGroupButton(presetsLayout, "btnOptionC", tr("Ogólna ocena gospodarki ....."),
                   tr("Zaznacza wskaźniki związane z ogólną oceną gospodarki cieplnej człowieka"),
                   {HR, MHR, SST, PMV, Mrt, Rprim, Iclp, pC, pL, pE, pSTI, pHL, pPhS, UTCI});
    AddGroupButton(presetsLayout, "btnOptionD", tr("Szczegółowa analiza bilansu ....."),
                   tr("Zaznacza wskaźniki związane ze szczegółową analizą bilansu cieplnego człowieka w różnych "
                      "warunkach"),
                   {HSI, SWreq, STE,  PSI, mS,  SW,  HL,   ECI,  Mrt,  Rprim, mR,  mC,
                    mE,  mL,    mRes, Ts,  STI, PST, Oh_W, Oh_H, Oc_W, Oc_H,  UTCI});
    AddGroupButton(
        presetsLayout, "btnOptionE", tr("Pogoda"), tr("Zaznacza wskaźniki związane ze opcją 'Pogoda'"),
        {W_Prec, W_Snow, W_Sens, W_Rad, W_Strain, W_Sult, W_TAmp, Weather, WSI_SB, WSI_AB, WSI_MR, WSI_AR, WSI_ST});
    presetsLayout->addStretch();

    auto* btnOK = new QPushButton(tr("O&blicz"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    Hint(btnOK, tr("Oblicz wybrane wskaźniki"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TPossibleIdxsSelForm::accept);
    auto* btnCancel = new QPushButton(tr("Anuluj"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    Hint(btnCancel, tr("Nie obliczaj"));
    connect(btnCancel, &QPushButton::clicked, this, &TPossibleIdxsSelForm::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto* columns = new QHBoxLayout;
    columns->addWidget(indexes, 1);
    columns->addWidget(presets);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
}

void TPossibleIdxsSelForm::AddGroupButton(QLayout* layout, const char* name, const QString& caption,
                                          const QString& hint, std::initializer_list<int> group)
{
    auto* button = new QPushButton(caption, layout->parentWidget());
    button->setObjectName(QLatin1String(name));
    if (!hint.isEmpty())
        Hint(button, hint);
    connect(button, &QPushButton::clicked, this, [this, ids = std::vector<int>(group)] { SelectGroup(ids); });
    layout->addWidget(button);
}

void TPossibleIdxsSelForm::SelectGroup(const std::vector<int>& group)
{
    for (const int id : group) {
        const QString& name = m_kinds.GetById(id)->Name;
        for (QListWidgetItem* entry : m_lbIndexes->findItems(name, Qt::MatchFixedString))
            entry->setSelected(true);
    }
}

void TPossibleIdxsSelForm::SelectAll(bool selected)
{
    if (selected)
        m_lbIndexes->selectAll();
    else
        m_lbIndexes->clearSelection();
}

void TPossibleIdxsSelForm::ShowSelectedCount()
{
    m_lbSelCount->setText(QString::number(m_lbIndexes->selectedItems().size()));
}

KindFlags TPossibleIdxsSelForm::Selected() const
{
    KindFlags selected{};
    for (const QListWidgetItem* entry : m_lbIndexes->selectedItems())
        if (const TAbstractData* data = m_kinds.FindByName(entry->text()))
            selected[std::size_t(data->Id)] = true;
    return selected;
}

std::optional<KindFlags> TPossibleIdxsSelForm::Choose(const KindFlags& possible, const KindFlags& preselected,
                                                      const DataManager& kinds, QWidget* parent)
{
    TPossibleIdxsSelForm form(possible, preselected, kinds, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.Selected();
}
