#include "gui/stats/StatisticsOptionsForm.h"

#include "core/data/AbstractData.h"
#include "core/stats/StatOptions.h"
#include "gui/app/Application.h"
#include "gui/app/Hints.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int RowLength = 3;
constexpr int HistLength = 12;

QLineEdit* NewEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    // A field that cannot be edited looks like the dialog's face, not like an empty field.
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base, palette.color(QPalette::Active, QPalette::Button));
    edit->setPalette(palette);
    return edit;
}

// The length limit holds for typing; a longer text (the last row of a long table) is shown whole,
// so that storing it again never cuts it.
void ShowText(QLineEdit* edit, const QString& text, int maxLength)
{
    edit->setMaxLength(std::max(maxLength, int(text.size())));
    edit->setText(text);
}

}   // namespace

TStatisticsOptionsForm::TStatisticsOptionsForm(std::vector<TStatColumnRec>& records, int largestRow, QWidget* parent)
    : QDialog(parent), m_records(records), m_largestRow(largestRow)
{
    Q_ASSERT(!records.empty());
    setObjectName(QStringLiteral("TStatisticsOptionsForm"));
    setWindowTitle(tr("Obliczenia statystyczne - opcje"));
    SetHelpTopic(this, 143);

    m_cmbCol = new QComboBox(this);
    m_cmbCol->setObjectName(QStringLiteral("cmbCol"));
    Hint(m_cmbCol,
         tr("Kolumna, której dotyczą ustawienia|Wybór innej kolumny zapamiętuje ustawienia kolumny "
            "opuszczanej i wyświetla ustawienia kolumny wybranej"));
    for (const TStatColumnRec& record : records)
        m_cmbCol->addItem(record.ColName);
    auto* columnLabel = new QLabel(tr("&Kolumna:"), this);
    columnLabel->setBuddy(m_cmbCol);

    m_lbDescr = new QLabel(this);
    m_lbDescr->setObjectName(QStringLiteral("lbDescr"));
    m_lbDescr->setWordWrap(true);
    QFont italic = m_lbDescr->font();
    italic.setItalic(true);
    m_lbDescr->setFont(italic);

    auto* freqs = new QGroupBox(tr("Sposób obliczania częstości"), this);
    m_modes = new QButtonGroup(this);
    const struct
    {
        int mode;
        const char* name;
        QString caption;
    } buttons[] = {
        {fmNone, "rbDontCalc", tr("&Nie obliczaj")},
        {fmStandard, "rbStandard", tr("Progi &standardowe")},
        {fmUser, "rbUser", tr("Progi &użytkownika:")},
        {fmWidth, "rbHistWidth", tr("Histogram, sz&erokość przedziału:")},
        {fmCount, "rbHistCount", tr("Histogram, &ilość przedziałów:")},
    };
    auto* grid = new QGridLayout(freqs);
    for (const auto& button : buttons) {
        auto* radio = new QRadioButton(button.caption, freqs);
        radio->setObjectName(QString::fromLatin1(button.name));
        m_modes->addButton(radio, button.mode);
        grid->addWidget(radio, button.mode, 0);
    }
    m_edUserFreqs = NewEdit("edUserFreqs", freqs);
    Hint(m_edUserFreqs,
         tr("Określa progi użytkownika (liczby oddzielone znakami ',' lub ';' (zależnie od ustawionego "
            "globalnego separatora dziesiętnego))"));
    m_edHistWidth = NewEdit("edHistWidth", freqs);
    m_edHistCount = NewEdit("edHistCount", freqs);
    grid->addWidget(m_edUserFreqs, fmUser, 1);
    grid->addWidget(m_edHistWidth, fmWidth, 1);
    grid->addWidget(m_edHistCount, fmCount, 1);
    grid->setColumnStretch(1, 1);
    connect(m_modes, &QButtonGroup::idClicked, this, &TStatisticsOptionsForm::ModeClicked);

    m_edFrom = NewEdit("edFrom", this);
    m_edTo = NewEdit("edTo", this);
    auto* fromLabel = new QLabel(tr("&Od wiersza:"), this);
    fromLabel->setBuddy(m_edFrom);
    auto* toLabel = new QLabel(tr("&do wiersza:"), this);
    toLabel->setBuddy(m_edTo);
    auto* rows = new QHBoxLayout;
    rows->addWidget(fromLabel);
    rows->addWidget(m_edFrom);
    rows->addWidget(toLabel);
    rows->addWidget(m_edTo);
    rows->addStretch();

    auto* box = new QDialogButtonBox(this);
    auto* btnOK = box->addButton(tr("O&bliczaj"), QDialogButtonBox::AcceptRole);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    auto* btnCancel = box->addButton(tr("Anuluj"), QDialogButtonBox::RejectRole);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(box, &QDialogButtonBox::accepted, this, &TStatisticsOptionsForm::accept);
    connect(box, &QDialogButtonBox::rejected, this, &TStatisticsOptionsForm::reject);

    auto* column = new QHBoxLayout;
    column->addWidget(columnLabel);
    column->addWidget(m_cmbCol, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(column);
    layout->addWidget(m_lbDescr);
    layout->addWidget(freqs);
    layout->addLayout(rows);
    layout->addWidget(box);

    LoadRecord(0);
    connect(m_cmbCol, &QComboBox::currentIndexChanged, this, &TStatisticsOptionsForm::ColumnChosen);
}

bool TStatisticsOptionsForm::Edit(std::vector<TStatColumnRec>& records, int largestRow, QWidget* parent)
{
    TStatisticsOptionsForm form(records, largestRow, parent);
    return form.exec() == QDialog::Accepted;
}

void TStatisticsOptionsForm::accept()
{
    if (StoreRecord())
        QDialog::accept();
}

void TStatisticsOptionsForm::LoadRecord(int index)
{
    const TStatColumnRec& record = m_records[std::size_t(index)];
    m_lbDescr->setText(record.Kind ? record.Kind->Description : QString());
    for (int mode = fmNone; mode <= fmCount; ++mode)
        m_modes->button(mode)->setEnabled(IsModeOffered(record, mode));
    const TStatOptions options = LoadStatOptions(record);
    m_modes->button(options.FreqMode)->setChecked(true);
    m_edUserFreqs->setText(options.UserText);
    ShowText(m_edHistWidth, options.HistWidth, HistLength);
    ShowText(m_edHistCount, options.HistCount, HistLength);
    EnableFields(options.FreqMode);
    ShowText(m_edFrom, options.From, RowLength);
    ShowText(m_edTo, options.To, RowLength);
    m_current = index;
}

bool TStatisticsOptionsForm::StoreRecord()
{
    TStatOptions options;
    options.FreqMode = m_modes->checkedId();
    options.UserText = m_edUserFreqs->text();
    options.HistWidth = m_edHistWidth->text();
    options.HistCount = m_edHistCount->text();
    options.From = m_edFrom->text();
    options.To = m_edTo->text();
    const QString refusal = StoreStatOptions(options, m_records[std::size_t(m_current)], m_largestRow);
    if (refusal.isEmpty())
        return true;
    QMessageBox message(QMessageBox::Critical, TApplication::Title(), refusal, QMessageBox::Ok, this);
    message.exec();
    return false;
}

void TStatisticsOptionsForm::ColumnChosen(int index)
{
    if (index == m_current)
        return;
    if (!StoreRecord()) {
        const QSignalBlocker blocker(m_cmbCol);
        m_cmbCol->setCurrentIndex(m_current);
        return;
    }
    LoadRecord(index);
}

QLineEdit* TStatisticsOptionsForm::FieldOf(int mode) const
{
    switch (mode) {
    case fmUser:
        return m_edUserFreqs;
    case fmWidth:
        return m_edHistWidth;
    case fmCount:
        return m_edHistCount;
    default:
        return nullptr;
    }
}

void TStatisticsOptionsForm::EnableFields(int mode)
{
    for (QLineEdit* field : {m_edUserFreqs, m_edHistWidth, m_edHistCount}) {
        // NOLINTNEXTLINE(clang-analyzer-core.CallAndMessage): the fields are made in the constructor, never null
        field->setEnabled(field == FieldOf(mode));
    }
}

void TStatisticsOptionsForm::ModeClicked(int mode)
{
    EnableFields(mode);
    if (QLineEdit* field = FieldOf(mode))
        field->setFocus();
}
