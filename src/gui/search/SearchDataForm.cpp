#include "gui/search/SearchDataForm.h"

#include "gui/app/Application.h"
#include "gui/app/Hints.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QLineEdit* NewEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QCheckBox* NewCheck(const char* name, const QString& caption, bool checked, QWidget* parent)
{
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QString::fromLatin1(name));
    check->setChecked(checked);
    return check;
}

// The length limit holds for typing; a longer text from the last search is shown whole, so that
// searching again never cuts it.
void ShowText(QLineEdit* edit, const QString& text, int maxLength)
{
    edit->setMaxLength(std::max(maxLength, int(text.size())));
    edit->setText(text);
}

// A group of two choices numbered 0 and 1.
QGroupBox* NewChoice(const char* name, const QString& caption, const QString& first, const QString& second, int checked,
                     QButtonGroup*& group, QWidget* parent)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    for (const QString& text : {first, second}) {
        auto* button = new QRadioButton(text, box);
        group->addButton(button, int(group->buttons().size()));
        layout->addWidget(button);
    }
    group->button(checked)->setChecked(true);
    return box;
}

QWidget* NewPage(const char* name, QTabWidget* pages)
{
    auto* page = new QWidget(pages);
    page->setObjectName(QString::fromLatin1(name));
    return page;
}

}   // namespace

TSearchDataForm::TSearchDataForm(TSearchState& state, const TAbstractData* currentKind, QWidget* parent)
    : QDialog(parent), m_state(state), m_kind(currentKind), m_loaded(LoadSearchRequest(state, currentKind))
{
    setObjectName(QStringLiteral("TSearchDataForm"));
    setWindowTitle(tr("Wyszukiwanie danych"));
    SetHelpTopic(this, 128);
    m_pcOption = new QTabWidget(this);
    m_pcOption->setObjectName(QStringLiteral("pcOption"));
    m_pcOption->tabBar()->setUsesScrollButtons(false);   // every page's name in sight

    QWidget* tsText = NewPage("tsText", m_pcOption);
    m_edText = NewEdit("edText", tsText);
    ShowText(m_edText, m_loaded.Text, 50);
    auto* textLabel = new QLabel(tr("&Tekst do znalezienia:"), tsText);
    textLabel->setBuddy(m_edText);
    m_cbCaseSensitive = NewCheck("cbCaseSensitive", tr("&Rozróżniaj wielkie i małe litery"), m_loaded.CaseSensitive,
                                 tsText);
    m_cbSearchTextCells = NewCheck("cbSearchTextCells", tr("Przeszukiwać komórki t&ekstowe"), m_loaded.SearchTextCells,
                                   tsText);
    m_cbSearchNumCells = NewCheck("cbSearchNumCells", tr("Przeszukiwać komórki &numeryczne"), m_loaded.SearchNumCells,
                                  tsText);
    auto* textLayout = new QVBoxLayout(tsText);
    for (QWidget* widget : std::initializer_list<QWidget*>{textLabel, m_edText, m_cbCaseSensitive, m_cbSearchTextCells,
                                                           m_cbSearchNumCells})
        textLayout->addWidget(widget);
    textLayout->addStretch();
    m_pcOption->addTab(tsText, tr("Tekst"));

    QWidget* tsNumber = NewPage("tsNumber", m_pcOption);
    m_edNumber = NewEdit("edNumber", tsNumber);
    ShowText(m_edNumber, m_loaded.Number, 15);
    m_edPrecision = NewEdit("edPrecision", tsNumber);
    ShowText(m_edPrecision, m_loaded.Precision, 20);
    auto* numberLabel = new QLabel(tr("&Liczba do znalezienia:"), tsNumber);
    numberLabel->setBuddy(m_edNumber);
    auto* precisionLabel = new QLabel(tr("D&okładność (absolutna):"), tsNumber);
    precisionLabel->setBuddy(m_edPrecision);
    auto* numberLayout = new QGridLayout(tsNumber);
    numberLayout->addWidget(numberLabel, 0, 0);
    numberLayout->addWidget(precisionLabel, 0, 2);
    numberLayout->addWidget(m_edNumber, 1, 0);
    numberLayout->addWidget(new QLabel(QStringLiteral("±"), tsNumber), 1, 1);
    numberLayout->addWidget(m_edPrecision, 1, 2);
    numberLayout->setRowStretch(2, 1);
    m_pcOption->addTab(tsNumber, tr("Liczba"));

    QWidget* tsSpecial = NewPage("tsSpecial", m_pcOption);
    m_cbNoData = NewCheck("cbNoData", tr("Szukaj danych br&akujących"), m_loaded.NoData, tsSpecial);
    m_cbBadData = NewCheck("cbBadData", tr("Szukaj danych nie&poprawnych"), m_loaded.BadData, tsSpecial);
    // At most one of the two: ticking one clears the other.
    connect(m_cbNoData, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_cbBadData->setChecked(false);
    });
    connect(m_cbBadData, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_cbNoData->setChecked(false);
    });
    auto* specialLayout = new QVBoxLayout(tsSpecial);
    specialLayout->addWidget(m_cbNoData);
    specialLayout->addWidget(m_cbBadData);
    specialLayout->addStretch();
    m_pcOption->addTab(tsSpecial, tr("Specjalne"));

    QWidget* tsUserFreqs = NewPage("tsUserFreqs", m_pcOption);
    m_edUserFreqs = NewEdit("edUserFreqs", tsUserFreqs);
    ShowText(m_edUserFreqs, m_loaded.Intervals, 100);
    auto* intervalsLabel = new QLabel(tr("&Przedziały (w postaci: INF_a;b_c;d_e;f_INF):"), tsUserFreqs);
    intervalsLabel->setBuddy(m_edUserFreqs);
    auto* intervalsLayout = new QVBoxLayout(tsUserFreqs);
    intervalsLayout->addWidget(intervalsLabel);
    intervalsLayout->addWidget(m_edUserFreqs);
    intervalsLayout->addStretch();
    m_pcOption->addTab(tsUserFreqs, tr("Przedziały użytkownika"));

    QWidget* tsStdFreqs = NewPage("tsStdFreqs", m_pcOption);
    m_lbStdFreqs = new QListWidget(tsStdFreqs);
    m_lbStdFreqs->setObjectName(QStringLiteral("lbStdFreqs"));
    m_lbStdFreqs->setSelectionMode(QAbstractItemView::MultiSelection);
    m_lbStdFreqs->addItems(m_loaded.StdClassNames);
    for (int i = 0; i < m_lbStdFreqs->count(); ++i)
        m_lbStdFreqs->item(i)->setSelected(m_loaded.StdSelected[std::size_t(i)]);
    auto* classesLayout = new QVBoxLayout(tsStdFreqs);
    classesLayout->addWidget(m_lbStdFreqs);
    m_pcOption->addTab(tsStdFreqs, tr("Przedziały standardowe"));
    m_pcOption->setTabVisible(int(SearchPage::StdIntervals), m_loaded.StdPageShown);

    m_rgWhere = NewChoice("rgWhere", tr("Zasięg wyszukiwania"), tr("&Bieżąca kolumna"), tr("&Cała tabela"),
                          m_loaded.WholeTable ? 1 : 0, m_where, this);
    QGroupBox* rgDirection = NewChoice("rgDirection", tr("Kierunek wyszukiwania"), tr("W &dół i w prawo"),
                                       tr("W &górę i w lewo"), m_loaded.Upward ? 1 : 0, m_direction, this);
    auto* choices = new QHBoxLayout;
    choices->addWidget(m_rgWhere);
    choices->addWidget(rgDirection);

    auto* buttons = new QDialogButtonBox(this);
    auto* btnOK = buttons->addButton(tr("&Szukaj"), QDialogButtonBox::AcceptRole);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    auto* btnCancel = buttons->addButton(tr("Anuluj"), QDialogButtonBox::RejectRole);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TSearchDataForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TSearchDataForm::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pcOption);
    layout->addLayout(choices);
    layout->addWidget(buttons);

    m_pcOption->setCurrentIndex(int(m_loaded.Page));
    PageChanged(int(m_loaded.Page));
    connect(m_pcOption, &QTabWidget::currentChanged, this, &TSearchDataForm::PageChanged);
}

bool TSearchDataForm::Edit(TSearchState& state, const TAbstractData* currentKind, QWidget* parent)
{
    TSearchDataForm form(state, currentKind, parent);
    return form.exec() == QDialog::Accepted;
}

void TSearchDataForm::accept()
{
    QString refusal = StoreSearchRequest(Request(), m_kind, m_state);
    if (refusal.isEmpty()) {
        QDialog::accept();
        return;
    }
    QMessageBox message(QMessageBox::Critical, TApplication::Title(),
                        refusal.replace(QStringLiteral("\r\n"), QStringLiteral("\n")), QMessageBox::Ok, this);
    message.exec();
}

TSearchRequest TSearchDataForm::Request() const
{
    TSearchRequest request = m_loaded;
    request.Page = SearchPage(m_pcOption->currentIndex());
    request.Text = m_edText->text();
    request.CaseSensitive = m_cbCaseSensitive->isChecked();
    request.SearchTextCells = m_cbSearchTextCells->isChecked();
    request.SearchNumCells = m_cbSearchNumCells->isChecked();
    request.Number = m_edNumber->text();
    request.Precision = m_edPrecision->text();
    request.NoData = m_cbNoData->isChecked();
    request.BadData = m_cbBadData->isChecked();
    request.Intervals = m_edUserFreqs->text();
    for (int i = 0; i < m_lbStdFreqs->count(); ++i)
        request.StdSelected[std::size_t(i)] = m_lbStdFreqs->item(i)->isSelected();
    request.WholeTable = m_where->checkedId() == 1;
    request.Upward = m_direction->checkedId() == 1;
    return request;
}

void TSearchDataForm::PageChanged(int page)
{
    m_rgWhere->setEnabled(page != int(SearchPage::StdIntervals));
    QWidget* const first[] = {m_edText, m_edNumber, m_cbNoData, m_edUserFreqs, m_lbStdFreqs};
    first[page]->setFocus();
}
