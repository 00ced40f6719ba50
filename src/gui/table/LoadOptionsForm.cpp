#include "gui/table/LoadOptionsForm.h"

#include "gui/app/Hints.h"
#include "gui/app/OptionsForm.h"

#include <QButtonGroup>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

TLoadOptionsForm::TLoadOptionsForm(const LoadOptionsRequest& request, QWidget* parent,
                                   const TOptionsRecord& programOptions)
    : QDialog(parent), m_path(request.path), m_fileOptions(programOptions)
{
    setObjectName(QStringLiteral("TLoadOptionsForm"));
    setWindowTitle(tr("Opcje wczytywania danych z pliku"));
    Hint(this, tr("To okno służy do określania sposobu wczytywania danych z pliku do tabeli"));
    SetHelpTopic(this, 308);
    const LoadOptions defaults = LoadOptions::Defaults(request);

    auto* pnFName = new QLabel(QFileInfo(request.path).fileName(), this);
    pnFName->setObjectName(QStringLiteral("pnFName"));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setBold(true);
    pnFName->setFont(fixed);
    pnFName->setFrameShape(QFrame::Panel);
    pnFName->setFrameShadow(QFrame::Sunken);
    pnFName->setAlignment(Qt::AlignCenter);
    Hint(pnFName, tr("Nazwa pliku, którego dotyczą opcje zawarte w tym oknie"));

    auto* modes = new QGroupBox(tr("Sposób ładowania danych"), this);
    modes->setObjectName(QStringLiteral("rgOption"));
    Hint(modes, tr("Określa sposób umieszczenia danych wczytanych z pliku"));
    m_rgOption = new QButtonGroup(this);
    auto* modesLayout = new QVBoxLayout(modes);
    const QString captions[] = {tr("Otwórz w &nowej tabeli"), tr("&Zastąp zawartość bieżącej tabeli"),
                                tr("&Dołącz do bieżącej tabeli w nowych kolumnach"),
                                tr("Dołącz do &istniejących kolumn w bieżącej tabeli")};
    for (int mode = 0; mode < 4; ++mode) {
        auto* button = new QRadioButton(captions[mode], modes);
        button->setEnabled(mode == 0 || request.hasCurrentTable);
        m_rgOption->addButton(button, mode);
        modesLayout->addWidget(button);
    }
    m_rgOption->button(int(defaults.mode))->setChecked(true);

    auto* separators = new QGroupBox(tr("Separatory"), this);
    auto* form = new QFormLayout(separators);
    m_edDataSep = new QLineEdit(defaults.dataSeparator, separators);
    m_edDataSep->setObjectName(QStringLiteral("edDataSep"));
    m_edDataSep->setMaxLength(1);
    Hint(m_edDataSep, tr("Określa separator danych wczytywanego pliku"));
    m_edDecSep = new QLineEdit(defaults.decimalSeparator, separators);
    m_edDecSep->setObjectName(QStringLiteral("edDecSep"));
    m_edDecSep->setMaxLength(1);
    Hint(m_edDecSep, tr("Określa separator dziesiętny danych w pliku (są one konwertowane do ustawień Salvento)"));
    auto* dataLabel = new QLabel(tr("Separator d&anych ('t' = tabulacja):"), separators);
    dataLabel->setBuddy(m_edDataSep);
    auto* decLabel = new QLabel(tr("Separator dzi&esiętny ('t' = tabulacja):"), separators);
    decLabel->setBuddy(m_edDecSep);
    form->addRow(dataLabel, m_edDataSep);
    form->addRow(decLabel, m_edDecSep);

    auto* buttons = new QDialogButtonBox(this);
    auto* btnLoad = buttons->addButton(tr("&Wczytaj"), QDialogButtonBox::AcceptRole);
    Hint(btnLoad, tr("Wczytuje plik, korzystając z podanych w tym oknie ustawień"));
    btnLoad->setDefault(true);
    auto* btnCancel = buttons->addButton(tr("Anuluj"), QDialogButtonBox::RejectRole);
    Hint(btnCancel, tr("Zamyka okno bez podejmowania żadnych działań"));
    // A file of a fixed format has no separators or read options to choose: only the mode.
    separators->setVisible(!request.fixedFormat);
    if (!request.fixedFormat) {
        auto* btnOptions = buttons->addButton(tr("&Opcje ..."), QDialogButtonBox::ActionRole);
        btnOptions->setObjectName(QStringLiteral("btnOptions"));
        Hint(btnOptions, tr("Pozwala ustawić dalsze opcje wczytywania danych z pliku (ta opcja póki co nie działa!)"));
        connect(btnOptions, &QPushButton::clicked, this, [this] { TOptionsForm::Edit(m_fileOptions, nullptr, this); });
    }
    auto* btnView = buttons->addButton(tr("&Podgląd pliku ..."), QDialogButtonBox::ActionRole);
    btnView->setObjectName(QStringLiteral("btnView"));
    Hint(btnView, tr("Otwiera Notatnik i ładuje do niego zawartość wczytywanego pliku"));
    connect(btnView, &QPushButton::clicked, this, &TLoadOptionsForm::ViewFile);
    connect(buttons, &QDialogButtonBox::accepted, this, &TLoadOptionsForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TLoadOptionsForm::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pnFName);
    layout->addWidget(modes);
    layout->addWidget(separators);
    layout->addWidget(buttons);
}

LoadOptions TLoadOptionsForm::Options() const
{
    LoadOptions options;
    options.mode = LoadMode(m_rgOption->checkedId());
    options.dataSeparator = m_edDataSep->text();
    options.decimalSeparator = m_edDecSep->text();
    return options;
}

std::optional<LoadOptions> TLoadOptionsForm::Choose(const LoadOptionsRequest& request, QWidget* parent,
                                                    const TOptionsRecord& programOptions)
{
    TLoadOptionsForm form(request, parent, programOptions);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.Options();
}

void TLoadOptionsForm::accept()
{
    if (const QString refusal = Options().Check(); !refusal.isEmpty()) {
        QMessageBox box(QMessageBox::NoIcon, windowTitle(), refusal, QMessageBox::Ok, this);
        box.exec();
        return;
    }
    QDialog::accept();
}

void TLoadOptionsForm::ViewFile()
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_path)))
        QMessageBox::critical(this, windowTitle(), tr("Niestety, nie potrafię wykonać polecenia !"));
}
