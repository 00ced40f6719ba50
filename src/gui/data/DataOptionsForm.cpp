#include "gui/data/DataOptionsForm.h"

#include "core/base/NumberText.h"
#include "core/data/AbstractData.h"
#include "core/data/DataManager.h"
#include "core/table/TableSet.h"
#include "gui/app/Application.h"
#include "gui/app/Hints.h"

#include <QButtonGroup>
#include <QCollator>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The list position the dialog was left at, for the next opening in this run.
int RememberedPosition = 0;

QLineEdit* NewEdit(const char* name, const QString& hint, int maxLength, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    Hint(edit, hint);
    return edit;
}

// Shows a configuration text: the length limit holds for typing, a longer text from the INI file is
// shown whole, so that applying never cuts it.
void ShowText(QLineEdit* edit, const QString& text, int maxLength)
{
    edit->setMaxLength(std::max(maxLength, int(text.size())));
    edit->setText(text);
    edit->setCursorPosition(0);
}

QString Trimmed(const QString& text)
{
    return TrimControl(text).toString();
}

// Square brackets cannot be part of names and descriptions; they are stored as curly ones.
QString WithoutBrackets(QString text)
{
    return text.replace(QLatin1Char('['), QLatin1Char('{')).replace(QLatin1Char(']'), QLatin1Char('}'));
}

QCollator NameOrder()
{
    QCollator order;
    order.setCaseSensitivity(Qt::CaseInsensitive);
    return order;
}

constexpr int NameLength = 20;
constexpr int DescriptionLength = 100;
constexpr int ValueLength = 10;

}   // namespace

TDataOptionsForm::TDataOptionsForm(DataManager& kinds, QWidget* parent, const TAbstractData* current)
    : QDialog(parent), m_kinds(kinds)
{
    setObjectName(QStringLiteral("TDataOptionsForm"));
    setWindowTitle(tr("Opcje danych"));
    Hint(this,
         tr("To okno służy do dokonywania zmian w właściwościach danych/wskaźników, pamiętanych za każdym "
            "uruchomieniem Salvento"));
    SetHelpTopic(this, 304);

    m_cmbData = new QComboBox(this);
    m_cmbData->setObjectName(QStringLiteral("cmbData"));
    Hint(m_cmbData, tr("Nazwa danej/wskaźnika, którego opcje chcesz ustawić"));
    auto* dataLabel = new QLabel(tr("Dana lub wskaźnik, którego opcje chcesz &ustawić:"), this);
    dataLabel->setBuddy(m_cmbData);

    auto* basic = new QGroupBox(tr("Podstawowe informacje"), this);
    m_edName = NewEdit("edName", tr("Rozpoznawana przez Salvento nazwa danej/wskaźnika"), NameLength, basic);
    m_edDescr = NewEdit("edDescr", tr("Opis danej/wskaźnika, do celów wyłącznie informacyjnych"), DescriptionLength,
                        basic);
    m_edDescr->setMinimumWidth(m_edDescr->fontMetrics().averageCharWidth() * 60);
    auto* basicLayout = new QFormLayout(basic);
    basicLayout->addRow(tr("&Nazwa rozpoznawana przez Salvento:"), m_edName);
    basicLayout->addRow(tr("&Opis:"), m_edDescr);
    // The degree sign has no key of its own: a button types it into the description.
    auto* degree = new QToolButton(basic);
    degree->setObjectName(QStringLiteral("btnDegree"));
    degree->setText(QStringLiteral("°"));
    Hint(degree, tr("Wstawia znak stopnia (°) do opisu w miejscu kursora"));
    connect(degree, &QToolButton::clicked, this, [this] {
        m_edDescr->insert(QStringLiteral("°"));
        m_edDescr->setFocus();
    });
    auto* noteLine = new QHBoxLayout;
    noteLine->addWidget(new QLabel(tr("Nie używaj '[' ani ']'! Znak stopnia wstawia przycisk:"), basic));
    noteLine->addWidget(degree);
    noteLine->addStretch(1);
    basicLayout->addRow(noteLine);

    auto* limits = new QGroupBox(tr("Ograniczenia wartości"), this);
    m_edDefault = NewEdit("edDefault",
                          tr("Domyślna wartość danej/wskaźnika, używana podczas obliczeń, gdy w tabelach brak jest "
                             "wartości tej danej/wskaźnika"),
                          ValueLength, limits);
    m_edMin = NewEdit("edMin", tr("Najmniejsza dopuszczalna wartość danej/wskaźnika (do celów informacyjnych)"),
                      ValueLength, limits);
    m_edMax = NewEdit("edMax", tr("Największa dopuszczalna wartość danej/wskaźnika (do celów informacyjnych)"),
                      ValueLength, limits);
    auto* limitsLayout = new QFormLayout(limits);
    limitsLayout->addRow(tr("Wartość &domyślna:"), m_edDefault);
    limitsLayout->addRow(tr("Naj&mniejsza dopuszczalna wartość:"), m_edMin);
    limitsLayout->addRow(tr("Naj&większa dopuszczalna wartość:"), m_edMax);

    m_rgDualOption = new QGroupBox(tr("Opcje obliczeń (dotyczy wskaźników)"), this);
    m_rgDualOption->setObjectName(QStringLiteral("rgDualOption"));
    Hint(m_rgDualOption, tr("Szczegółowy sposób obliczania wskaźnika"));
    m_dualOptions = new QButtonGroup(this);
    auto* dualLayout = new QVBoxLayout(m_rgDualOption);
    const QString dualCaptions[] = {tr("&Zawsze obliczaj od nowa"),
                                    tr("&Próbuj obliczyć, ale zostaw jeśli się nie uda"),
                                    tr("Obliczaj tylko gdy &Brak Danych"), tr("Ni&gdy nie obliczaj")};
    for (int option = 1; option <= 4; ++option) {
        auto* item = new QRadioButton(dualCaptions[option - 1], m_rgDualOption);
        m_dualOptions->addButton(item, option);
        dualLayout->addWidget(item);
    }

    auto* buttons = new QDialogButtonBox(this);
    auto* btnThresholds = buttons->addButton(tr("Progi &standardowe ..."), QDialogButtonBox::ActionRole);
    btnThresholds->setObjectName(QStringLiteral("btnThresholds"));
    Hint(btnThresholds, tr("Wyświetlenie okna edycji progów standardowych (póki co nie działa!)"));
    connect(btnThresholds, &QPushButton::clicked, this, &TDataOptionsForm::ShowThresholdsNotice);
    auto* btnOK = buttons->addButton(tr("Z&atwierdź"), QDialogButtonBox::ApplyRole);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    Hint(btnOK, tr("Zatwierdza zmiany dokonane w bieżącej danej/wskaźniku"));
    connect(btnOK, &QPushButton::clicked, this, &TDataOptionsForm::Apply);
    auto* btnCancel = buttons->addButton(tr("&Koniec"), QDialogButtonBox::RejectRole);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    Hint(btnCancel, tr("Zamyka okno"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dataLabel);
    layout->addWidget(m_cmbData);
    layout->addWidget(basic);
    layout->addWidget(limits);
    layout->addWidget(m_rgDualOption);
    layout->addWidget(buttons);

    QStringList names;
    kinds.AddAllNames(names);
    const QCollator order = NameOrder();
    std::sort(names.begin(), names.end(), order);
    m_cmbData->addItems(names);
    const int currentAt = current ? m_cmbData->findText(current->Name) : -1;
    m_cmbData->setCurrentIndex(currentAt >= 0 ? currentAt : std::clamp(RememberedPosition, 0, int(names.size()) - 1));
    connect(m_cmbData, &QComboBox::currentIndexChanged, this, &TDataOptionsForm::LoadKind);
    LoadKind();
}

void TDataOptionsForm::LoadKind()
{
    m_kind = m_kinds.FindByName(m_cmbData->currentText());
    if (!m_kind)
        return;
    m_lastName = m_kind->Name;
    m_lastDescription = m_kind->Description;
    ShowText(m_edName, m_lastName, NameLength);
    ShowText(m_edDescr, m_lastDescription, DescriptionLength);

    // Textual kinds without a range have no values to edit.
    const bool values = !(m_kind->IsTextual && m_kind->Minimum == NoValue && m_kind->Maximum == NoValue);
    m_lastDefault = values ? FormatNumber(m_kind->DefaultValue, 2) : QString();
    m_lastMinimum = values ? FormatNumber(m_kind->Minimum, 2) : QString();
    m_lastMaximum = values ? FormatNumber(m_kind->Maximum, 2) : QString();
    QPalette valuePalette = palette();
    valuePalette.setColor(QPalette::Base, palette().color(values ? QPalette::Base : QPalette::Button));
    for (auto [edit, text] : {std::pair{m_edDefault, m_lastDefault}, std::pair{m_edMin, m_lastMinimum},
                              std::pair{m_edMax, m_lastMaximum}}) {
        edit->setEnabled(values);
        edit->setPalette(valuePalette);
        ShowText(edit, text, ValueLength);
    }

    // Inputs are never computed: the dual option concerns indices only.
    const bool computed = m_kind->Id >= kind::FirstComputed;
    m_dualOptions->setExclusive(false);
    for (QAbstractButton* item : m_dualOptions->buttons())
        item->setChecked(computed && m_dualOptions->id(item) == int(m_kind->DualOption));
    m_dualOptions->setExclusive(true);
    m_rgDualOption->setEnabled(computed);
    QPalette dualPalette = palette();
    if (!computed)
        dualPalette.setColor(QPalette::WindowText, QColor(128, 128, 128));
    m_rgDualOption->setPalette(dualPalette);
}

void TDataOptionsForm::Apply()
{
    if (!m_kind)
        return;
    ApplyName();

    QString description = Trimmed(m_edDescr->text());
    if (description != m_lastDescription) {
        description = WithoutBrackets(description);
        if (description != m_lastDescription) {
            m_kind->SetDescription(description);
            m_edDescr->setText(description);
            m_lastDescription = description;
        }
    }

    if (const QString text = Trimmed(m_edDefault->text()); text != m_lastDefault) {
        m_kind->SetDefaultFromText(text);
        m_lastDefault = text;
    }
    if (const QString text = Trimmed(m_edMin->text()); text != m_lastMinimum) {
        m_kind->SetMinimumFromText(text);
        m_lastMinimum = text;
        m_rangesChanged = true;
        m_kind->Marked = true;
    }
    if (const QString text = Trimmed(m_edMax->text()); text != m_lastMaximum) {
        m_kind->SetMaximumFromText(text);
        m_lastMaximum = text;
        m_rangesChanged = true;
        m_kind->Marked = true;
    }

    if (m_kind->Id >= kind::FirstComputed && m_dualOptions->checkedId() > 0)
        m_kind->SetDualOption(SourceOrFormula(m_dualOptions->checkedId()));
}

void TDataOptionsForm::ApplyName()
{
    QString name = Trimmed(m_edName->text());
    if (name == m_lastName)
        return;
    name = WithoutBrackets(name);
    if (name == m_lastName)
        return;
    // Any kind of that name refuses it, this one included: a change of letter case only is refused.
    if (m_kinds.FindByName(name)) {
        QMessageBox box(QMessageBox::Critical, TApplication::Title(),
                        tr("Dana o podanej nazwie już istnieje !\nZmiana nazwy nie została zapisana !"),
                        QMessageBox::Ok, this);
        box.exec();
        m_edName->setText(m_lastName);
        m_edName->setFocus();
        return;
    }
    m_kind->SetName(name);
    m_edName->setText(name);
    ReplaceEntry(name);
    m_lastName = name;
    m_namesChanged = true;
    m_kind->Marked = true;
}

void TDataOptionsForm::ReplaceEntry(const QString& name)
{
    const QSignalBlocker blocker(m_cmbData);
    m_cmbData->removeItem(m_cmbData->currentIndex());
    const QCollator order = NameOrder();
    int at = 0;
    while (at < m_cmbData->count() && order.compare(m_cmbData->itemText(at), name) <= 0)
        ++at;
    m_cmbData->insertItem(at, name);
    m_cmbData->setCurrentIndex(at);
}

void TDataOptionsForm::ShowThresholdsNotice()
{
    QMessageBox box(QMessageBox::Information, TApplication::Title(),
                    tr("Opcja jeszcze nie zaimplementowana !\n\nJeśli uważasz ją za potrzebną lub ułatwiłaby Ci pracę "
                       "z Salvento,\nnapisz do nas!"),
                    QMessageBox::Ok, this);
    box.exec();
}

void TDataOptionsForm::Show(DataManager& kinds, TableSet& tables, UserInterface& ui, QWidget* parent,
                            const TAbstractData* current)
{
    TDataOptionsForm form(kinds, parent, current);
    form.exec();
    if (form.NamesChanged() || form.RangesChanged())
        tables.RefreshColumnKinds(form.NamesChanged(), form.RangesChanged(), kinds, ui);
    RememberedPosition = form.m_cmbData->currentIndex();
}
