#include "gui/app/OptionsForm.h"

#include "gui/app/Application.h"
#include "gui/app/Hints.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// An edit that takes at most `maxLength` typed characters; a longer value from the INI file is
// shown whole, so that confirming the dialog never cuts it.
QLineEdit* NewEdit(const char* name, const QString& text, int maxLength, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(std::max(maxLength, int(text.size())));
    edit->setText(text);
    return edit;
}

// An end of the cloud-cover scale: a whole number of at least 0.
std::optional<int> ScaleEnd(const QLineEdit* edit)
{
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

}   // namespace

TOptionsForm::TOptionsForm(const TOptionsRecord& record, const bool* decimalSepPoint, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TOptionsForm"));
    setWindowTitle(decimalSepPoint ? tr("Opcje zapisu/odczytu plików (GLOBALNE)")
                                   : tr("Opcje zapisu/odczytu plików (TEGO PLIKU)"));
    FitTitle(this);
    Hint(this,
         tr("To okno służy do określania opcji Salvento, dotyczących wczytywania danych z plików i ch "
            "wewnętrznej reprezentacji"));
    SetHelpTopic(this, 310);

    auto* separator = new QGroupBox(tr("Separator dziesiętny"), this);
    separator->setObjectName(QStringLiteral("gbDecSep"));
    Hint(separator, tr("Określa, jaki separator dziesiętny jest używany w programie do wyświetlania danych"));
    m_rbPointDecSep = new QRadioButton(tr("Zawsze &kropka"), separator);
    m_rbPointDecSep->setObjectName(QStringLiteral("rbPointDecSep"));
    Hint(m_rbPointDecSep, tr("Określa, że separatorem w Salvento jest zawsze znak kropki ('.')"));
    m_rbWinDecSep = new QRadioButton(tr("Systemu &Windows"), separator);
    m_rbWinDecSep->setObjectName(QStringLiteral("rbWinDecSep"));
    Hint(m_rbWinDecSep, tr("Określa, że separatorem dziesiętnym jest w Salvento separator dziesiętny systemu Windows"));
    auto* separatorLayout = new QVBoxLayout(separator);
    separatorLayout->addWidget(m_rbPointDecSep);
    separatorLayout->addWidget(m_rbWinDecSep);
    if (decimalSepPoint) {
        (*decimalSepPoint ? m_rbPointDecSep : m_rbWinDecSep)->setChecked(true);
        const QString system = QLocale::system().decimalPoint();
        if (system.size() == 1)
            m_rbWinDecSep->setText(tr("Systemu &Windows ('") + system + QStringLiteral("')"));
        else
            m_rbWinDecSep->setEnabled(false);
    } else {
        m_rbPointDecSep->setEnabled(false);
        m_rbWinDecSep->setEnabled(false);
    }

    const QString unsupported = tr("Tej opcji Salvento póki co nie obsługuje");
    auto* scale = new QGroupBox(tr("Skala &zachmurzenia"), this);
    Hint(scale, unsupported);
    m_edNebulFrom = NewEdit("edNebulFrom", QString::number(record.NebulosityFrom), 2, scale);
    m_edNebulTo = NewEdit("edNebulTo", QString::number(record.NebulosityTo), 2, scale);
    auto* scaleLayout = new QHBoxLayout(scale);
    scaleLayout->addWidget(new QLabel(tr("Od:"), scale));
    scaleLayout->addWidget(m_edNebulFrom);
    scaleLayout->addWidget(new QLabel(tr("Do:"), scale));
    scaleLayout->addWidget(m_edNebulTo);

    auto* date = new QGroupBox(tr("Reprezentacja &daty"), this);
    Hint(date, unsupported);
    m_edDateName = NewEdit("edDateName", record.DateColumnName, 20, date);
    m_edDateFormat = NewEdit("edDateFormat", record.DateFormat, 16, date);
    auto* dateLayout = new QFormLayout(date);
    dateLayout->addRow(tr("Nazwa kolumny:"), m_edDateName);
    dateLayout->addRow(tr("Format:"), m_edDateFormat);

    auto* hour = new QGroupBox(tr("Reprezentacja &godziny"), this);
    Hint(hour, unsupported);
    m_edHourName = NewEdit("edHourName", record.HourColumnName, 20, hour);
    m_edHourFormat = NewEdit("edHourFormat", record.HourFormat, 12, hour);
    auto* hourLayout = new QFormLayout(hour);
    hourLayout->addRow(tr("Nazwa kolumny:"), m_edHourName);
    hourLayout->addRow(tr("Format:"), m_edHourFormat);

    auto* buttons = new QDialogButtonBox(this);
    auto* btnOK = buttons->addButton(tr("Z&apamiętaj"), QDialogButtonBox::AcceptRole);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    Hint(btnOK, tr("Zapamiętuje dokonane zmiany"));
    auto* btnCancel = buttons->addButton(tr("Anuluj"), QDialogButtonBox::RejectRole);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    Hint(btnCancel, tr("Zamyka okno nie zapamiętawszy zmian"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TOptionsForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TOptionsForm::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(separator);
    layout->addWidget(scale);
    layout->addWidget(date);
    layout->addWidget(hour);
    layout->addWidget(buttons);
}

TOptionsRecord TOptionsForm::Record() const
{
    TOptionsRecord record;
    record.NebulosityFrom = ScaleEnd(m_edNebulFrom).value_or(0);
    record.NebulosityTo = ScaleEnd(m_edNebulTo).value_or(0);
    if (record.NebulosityTo < record.NebulosityFrom)
        std::swap(record.NebulosityFrom, record.NebulosityTo);
    record.DateColumnName = m_edDateName->text();
    record.DateFormat = m_edDateFormat->text();
    record.HourColumnName = m_edHourName->text();
    record.HourFormat = m_edHourFormat->text();
    return record;
}

bool TOptionsForm::DecimalSepPoint() const
{
    return m_rbPointDecSep->isChecked();
}

void TOptionsForm::accept()
{
    const std::pair<const QLineEdit*, QString> ends[] = {
        {m_edNebulFrom, tr("Pole: 'Skala zachmurzenia - Od' musi zawierać liczbę dodatnią !")},
        {m_edNebulTo, tr("Pole: 'Skala zachmurzenia - Do' musi zawierać liczbę dodatnią !")},
    };
    for (const auto& [edit, refusal] : ends) {
        if (!ScaleEnd(edit)) {
            QMessageBox box(QMessageBox::Information, TApplication::Title(), refusal, QMessageBox::Ok, this);
            box.exec();
            return;
        }
    }
    QDialog::accept();
}

bool TOptionsForm::Edit(TOptionsRecord& record, bool* decimalSepPoint, QWidget* parent)
{
    TOptionsForm form(record, decimalSepPoint, parent);
    if (form.exec() != QDialog::Accepted)
        return false;
    record = form.Record();
    if (decimalSepPoint)
        *decimalSepPoint = form.DecimalSepPoint();
    return true;
}
