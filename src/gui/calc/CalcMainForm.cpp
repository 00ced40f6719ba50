#include "gui/calc/CalcMainForm.h"

#include "core/base/UserInterface.h"
#include "core/table/Table.h"
#include "core/table/TableSet.h"
#include "gui/app/Hints.h"
#include "gui/calc/KindList.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPushButton* Button(const QString& caption, const char* name, const QString& hint, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    if (!hint.isEmpty())
        Hint(button, hint);
    return button;
}

QListWidget* TableList(const char* name, const QString& hint, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Hint(list, hint);
    return list;
}

}   // namespace

TCalcMainForm::TCalcMainForm(const CalcSettings& settings, const TableSet& tables, const TTable* active,
                             UserInterface& ui, QWidget* parent)
    : QDialog(parent), m_tables(tables), m_ui(ui)
{
    setObjectName(QStringLiteral("TCalcMainForm"));
    setWindowTitle(tr("Opcje obliczeń"));
    SetHelpTopic(this, 302);

    m_pcZakladki = new QTabWidget(this);
    m_pcZakladki->setObjectName(QStringLiteral("pcZakladki"));
    m_tsSimple = CreateSimplePage();
    m_pcZakladki->addTab(m_tsSimple, tr("Prosty sposób pobierania danych"));
    m_pcZakladki->addTab(CreateComplexPage(), tr("Złożony sposób pobierania danych"));
    m_pcZakladki->setCurrentWidget(m_tsSimple);
    connect(m_pcZakladki, &QTabWidget::currentChanged, this, &TCalcMainForm::PageChanged);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pcZakladki);

    Fill(settings, active);
    PageChanged();
}

QWidget* TCalcMainForm::CreateSimplePage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsSimple"));

    m_lbTables = TableList("lbTables", tr("Lista wszystkich otwartych tabel"), page);
    auto* tablesLabel = new QLabel(tr("W&szystkie tabele:"), page);
    tablesLabel->setBuddy(m_lbTables);
    m_lbTablesSelected = TableList("lbTablesSelected",
                                   tr("Lista tabel, z których będą pobierane dane źródłowe podczas obliczeń (ich "
                                      "kolejność ogólnie ma znaczenie)"),
                                   page);
    auto* selectedLabel = new QLabel(tr("Tabele &użyte do obliczeń:"), page);
    selectedLabel->setBuddy(m_lbTablesSelected);

    auto* btnToRight = new QToolButton(page);
    btnToRight->setObjectName(QStringLiteral("btnToRight"));
    btnToRight->setArrowType(Qt::RightArrow);
    Hint(btnToRight,
         tr("Przeniesienie zaznaczonej na liście 'Wszystkie tabele' tabeli do listy 'Tabele użyte do "
            "obliczeń'"));
    connect(btnToRight, &QToolButton::clicked, this, &TCalcMainForm::AddToSelected);
    m_btnToLeft = new QToolButton(page);
    m_btnToLeft->setObjectName(QStringLiteral("btnToLeft"));
    m_btnToLeft->setArrowType(Qt::LeftArrow);
    Hint(m_btnToLeft, tr("Usunięcie z listy 'Tabele użyte do obliczeń' zaznaczonej w niej tabeli"));
    connect(m_btnToLeft, &QToolButton::clicked, this, &TCalcMainForm::RemoveFromSelected);
    auto* moveLayout = new QVBoxLayout;
    moveLayout->addStretch();
    moveLayout->addWidget(btnToRight);
    moveLayout->addWidget(m_btnToLeft);
    moveLayout->addStretch();

    auto* destination = new QGroupBox(tr("Tabela docelowa"), page);
    auto* btnDestFromList = Button(tr("&Zaznaczona"), "btnDestFromList",
                                   tr("Określenie jako tabeli docelowej tę wybraną na liście 'Wszystkie tabele'"),
                                   destination);
    connect(btnDestFromList, &QPushButton::clicked, this, [this] {
        if (const QListWidgetItem* current = m_lbTables->currentItem())
            SetDestination(current->text());
    });
    auto* btnDestNew = Button(tr("No&wa"), "btnDestNew", tr("Określenie nowej tabeli jako tabeli docelowej"),
                              destination);
    connect(btnDestNew, &QPushButton::clicked, this, [this] { SetDestination(NewTableText()); });
    m_lbDestTable = new QLabel(destination);
    m_lbDestTable->setObjectName(QStringLiteral("lbDestTable"));
    m_lbDestTable->setFrameShape(QFrame::Panel);
    m_lbDestTable->setFrameShadow(QFrame::Sunken);
    m_lbDestTable->setAlignment(Qt::AlignCenter);
    // A width of its own, so that a long table name does not push the page sideways.
    m_lbDestTable->setFixedWidth(22 * m_lbDestTable->fontMetrics().averageCharWidth());
    SetDestination(NewTableText());
    auto* destinationLayout = new QVBoxLayout(destination);
    destinationLayout->addWidget(btnDestFromList);
    destinationLayout->addWidget(btnDestNew);
    destinationLayout->addWidget(m_lbDestTable);

    auto* order = new QGroupBox(tr("Kolejność tabel"), page);
    auto* btnUp = Button(tr("Do &góry"), "btnUp", QString(), order);
    connect(btnUp, &QPushButton::clicked, this, [this] { MoveCurrentSelected(-1); });
    auto* btnDown = Button(tr("W &dół"), "btnDown", QString(), order);
    connect(btnDown, &QPushButton::clicked, this, [this] { MoveCurrentSelected(1); });
    auto* orderLayout = new QVBoxLayout(order);
    orderLayout->addWidget(btnUp);
    orderLayout->addWidget(btnDown);

    auto* sideLayout = new QVBoxLayout;
    sideLayout->addWidget(destination);
    sideLayout->addWidget(order);
    sideLayout->addStretch();

    m_btnOKSimple = Button(tr("D&alej"), "btnOKSimple", tr("Przejście do kolejnego etapu przygotowywania obliczeń"),
                           page);
    connect(m_btnOKSimple, &QPushButton::clicked, this, &TCalcMainForm::accept);
    auto* btnCancelSimple = Button(tr("Anuluj"), "btnCancelSimple", tr("Rezygnacja z przeprowadzania obliczeń"), page);
    connect(btnCancelSimple, &QPushButton::clicked, this, &TCalcMainForm::reject);
    auto* buttonLayout = new QHBoxLayout;
    buttonLayout->addStretch();
    buttonLayout->addWidget(m_btnOKSimple);
    buttonLayout->addWidget(btnCancelSimple);

    auto* layout = new QGridLayout(page);
    layout->addWidget(tablesLabel, 0, 0);
    layout->addWidget(selectedLabel, 0, 2);
    layout->addWidget(m_lbTables, 1, 0);
    layout->addLayout(moveLayout, 1, 1);
    layout->addWidget(m_lbTablesSelected, 1, 2);
    layout->addLayout(sideLayout, 0, 3, 2, 1);
    layout->addLayout(buttonLayout, 2, 0, 1, 4);
    return page;
}

QWidget* TCalcMainForm::CreateComplexPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsComplex"));
    auto* layout = new QGridLayout(page);

    const QString captions[PriorityCount] = {tr("Priorytet &1 (najwyższy):"), tr("Priorytet &2:"), tr("Priorytet &3:"),
                                             tr("Priorytet &4 (najniższy):")};
    for (int p = 0; p < PriorityCount; ++p) {
        auto* group = new QGroupBox(captions[p], page);
        group->setObjectName(QStringLiteral("gb%1").arg(p));
        QComboBox*& source = m_cmbSource[std::size_t(p)];
        QComboBox*& description = m_cmbDescr[std::size_t(p)];
        source = new QComboBox(group);
        source->setObjectName(QStringLiteral("cmbSource%1").arg(p));
        description = new QComboBox(group);
        description->setObjectName(QStringLiteral("cmbDescr%1").arg(p));
        for (QComboBox* box : {source, description})
            box->setMinimumContentsLength(16);
        connect(source, &QComboBox::currentIndexChanged, this, [this, p] { FillDescriptions(p); });
        auto* form = new QFormLayout(group);
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        form->addRow(tr("Tabela źródłowa:"), source);
        form->addRow(tr("Kolumna opisu:"), description);
        layout->addWidget(group, p / 2, p % 2);
    }

    // A drop-down list, not an editable box: a typed text would name no table.
    m_cmbDest = new QComboBox(page);
    m_cmbDest->setObjectName(QStringLiteral("cmbDest"));
    Hint(m_cmbDest,
         tr("Z tej listy wybierz tabelę, w której zostaną zapamiętane wyniki obliczeń (może to być 'Nowa' "
            "tabela)"));
    auto* destinationLabel = new QLabel(tr("Tabela docelowa:"), page);
    destinationLabel->setBuddy(m_cmbDest);

    m_btnOKComplex = Button(tr("D&alej"), "btnOKComplex", tr("Przejście do kolejnego etapu przygotowywania obliczeń"),
                            page);
    connect(m_btnOKComplex, &QPushButton::clicked, this, &TCalcMainForm::accept);
    auto* btnCancelComplex = Button(tr("Anuluj"), "btnCancelComplex", tr("Rezygnacja z przeprowadzania obliczeń"),
                                    page);
    connect(btnCancelComplex, &QPushButton::clicked, this, &TCalcMainForm::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(destinationLabel);
    bottom->addWidget(m_cmbDest, 1);
    bottom->addSpacing(24);
    bottom->addWidget(m_btnOKComplex);
    bottom->addWidget(btnCancelComplex);
    layout->addLayout(bottom, 2, 0, 1, 2);
    return page;
}

void TCalcMainForm::SetDestination(const QString& entry)
{
    m_destination = entry;
    const int room = m_lbDestTable->contentsRect().width() - 2 * m_lbDestTable->margin() - 4;
    m_lbDestTable->setText(m_lbDestTable->fontMetrics().elidedText(entry, Qt::ElideMiddle, room));
    m_lbDestTable->setToolTip(entry);
}

void TCalcMainForm::Fill(const CalcSettings& settings, const TTable* active)
{
    QStringList entries;
    for (int i = 0; i < m_tables.Count(); ++i)
        entries.append(TableEntryText(*m_tables.At(i)));

    AddSorted(m_lbTables, entries);
    if (entries.size() == 1)
        m_lbTablesSelected->addItem(entries.first());
    for (const QString& entry : settings.SimpleSources)
        if (entries.contains(entry) && !ListTexts(m_lbTablesSelected).contains(entry))
            m_lbTablesSelected->addItem(entry);
    const QString activeEntry = active ? TableEntryText(*active) : QString();
    if (m_lbTablesSelected->count() == 0 && active)
        m_lbTablesSelected->addItem(activeEntry);
    if (entries.contains(settings.SimpleDestination))
        SetDestination(settings.SimpleDestination);
    UpdateRemoveButton();

    m_cmbDest->addItem(NewTableText());
    m_cmbDest->addItems(entries);
    const bool rememberedOpen = std::any_of(settings.ComplexSources.begin(), settings.ComplexSources.end(),
                                            [&](const QString& source) { return entries.contains(source); });
    for (int p = 0; p < PriorityCount; ++p) {
        QComboBox* source = m_cmbSource[std::size_t(p)];
        source->addItem(NoneText());
        source->addItems(entries);
        const QString& remembered = settings.ComplexSources[std::size_t(p)];
        int at = remembered.isEmpty() ? -1 : source->findText(remembered);
        if (p == 0 && active && !rememberedOpen)
            at = source->findText(activeEntry);
        if (at <= 0)
            continue;
        source->setCurrentIndex(at);   // fills the description box
        QComboBox* description = m_cmbDescr[std::size_t(p)];
        if (const int d = description->findText(settings.ComplexDescriptions[std::size_t(p)]); d >= 0)
            description->setCurrentIndex(d);
    }
    if (const int at = m_cmbDest->findText(settings.ComplexDestination); at >= 0)
        m_cmbDest->setCurrentIndex(at);
}

void TCalcMainForm::FillDescriptions(int priority)
{
    QComboBox* description = m_cmbDescr[std::size_t(priority)];
    description->clear();
    const QString source = m_cmbSource[std::size_t(priority)]->currentText();
    const TTable* table = source == NoneText() ? nullptr : m_tables.FindTableByNumber(TableNumberOfEntry(source));
    if (!table)
        return;
    description->addItem(NoneText());
    description->addItem(RowNumberText());
    for (int c = 1; c < table->ColCount(); ++c)
        description->addItem(table->HeaderText(c));
    description->setCurrentIndex(1);
}

void TCalcMainForm::AddToSelected()
{
    // From the last entry up, as the list has always done: several tables arrive in reverse order.
    const QStringList used = ListTexts(m_lbTablesSelected);
    for (int row = m_lbTables->count() - 1; row >= 0; --row) {
        const QListWidgetItem* entry = m_lbTables->item(row);
        if (entry->isSelected() && !used.contains(entry->text()))
            m_lbTablesSelected->addItem(entry->text());
    }
    UpdateRemoveButton();
}

void TCalcMainForm::RemoveFromSelected()
{
    for (int row = m_lbTablesSelected->count() - 1; row >= 0; --row)
        if (m_lbTablesSelected->item(row)->isSelected())
            delete m_lbTablesSelected->takeItem(row);
    UpdateRemoveButton();
}

void TCalcMainForm::MoveCurrentSelected(int step)
{
    const int row = m_lbTablesSelected->currentRow();
    const int other = row + step;
    if (row < 0 || other < 0 || other >= m_lbTablesSelected->count())
        return;
    QListWidgetItem* entry = m_lbTablesSelected->takeItem(row);
    m_lbTablesSelected->insertItem(other, entry);
    m_lbTablesSelected->setCurrentItem(entry);
}

void TCalcMainForm::UpdateRemoveButton()
{
    m_btnToLeft->setEnabled(m_lbTablesSelected->count() > 0);
}

void TCalcMainForm::PageChanged()
{
    (SimpleWay() ? m_btnOKSimple : m_btnOKComplex)->setDefault(true);
}

bool TCalcMainForm::SimpleWay() const
{
    return m_pcZakladki->currentWidget() == m_tsSimple;
}

bool TCalcMainForm::HasPriorityGap() const
{
    bool sourceBelow = false;
    for (int p = PriorityCount - 1; p >= 0; --p) {
        const bool none = m_cmbSource[std::size_t(p)]->currentText() == NoneText();
        if (!none)
            sourceBelow = true;
        else if (sourceBelow)
            return true;
    }
    return false;
}

CalcChoices TCalcMainForm::Choices() const
{
    CalcChoices choices;
    choices.Simple = SimpleWay();
    choices.SimpleSources = ListTexts(m_lbTablesSelected);
    choices.SimpleDestination = m_destination;
    for (std::size_t p = 0; p < std::size_t(PriorityCount); ++p) {
        choices.ComplexSources[p] = m_cmbSource[p]->currentText();
        choices.ComplexDescriptions[p] = m_cmbDescr[p]->currentText();
    }
    choices.ComplexDestination = m_cmbDest->currentText();
    return choices;
}

void TCalcMainForm::accept()
{
    if (SimpleWay() && m_lbTablesSelected->count() == 0) {
        m_ui.ShowMessage(tr("Lista 'tabel użytych do obliczeń' jest pusta !"), UserInterface::Icon::Error);
        return;
    }
    if (!SimpleWay() && HasPriorityGap()) {
        m_ui.ShowMessage(tr("Tabele źródłowe muszą występować poczynając od priorytetu 0, bez przerw !"),
                         UserInterface::Icon::Error);
        return;
    }
    QDialog::accept();
}

std::optional<CalcChoices> TCalcMainForm::Choose(const CalcSettings& settings, const TableSet& tables,
                                                 const TTable* active, UserInterface& ui, QWidget* parent)
{
    TCalcMainForm form(settings, tables, active, ui, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.Choices();
}
