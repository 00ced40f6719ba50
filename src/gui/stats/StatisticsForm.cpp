#include "gui/stats/StatisticsForm.h"

#include "core/stats/ColumnReport.h"
#include "gui/app/Hints.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TStatisticsForm::TStatisticsForm(const std::vector<TStatColumnRec>& records, UserInterface& ui, QWidget* parent)
    : QDialog(parent), m_ui(ui)
{
    setObjectName(QStringLiteral("TStatisticsForm"));
    setWindowTitle(tr("Obliczenia statystyczne - wynik"));
    SetHelpTopic(this, 143);

    m_memText = new QPlainTextEdit(this);
    m_memText->setObjectName(QStringLiteral("memText"));
    // The report lines its numbers up in columns: a fixed-pitch font, and no wrapping.
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(13);
    m_memText->setFont(font);
    m_memText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memText->setPlainText(ComputeReport(records).join(QLatin1Char('\n')));

    auto* buttons = new QDialogButtonBox(this);
    auto* btnSave = buttons->addButton(tr("&Zapisz ..."), QDialogButtonBox::ActionRole);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    btnSave->setDefault(true);
    connect(btnSave, &QPushButton::clicked, this, &TStatisticsForm::Save);
    auto* btnOK = buttons->addButton(tr("Z&amknij"), QDialogButtonBox::RejectRole);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    connect(buttons, &QDialogButtonBox::rejected, this, &TStatisticsForm::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_memText);
    layout->addWidget(buttons);
    resize(640, 480);
}

void TStatisticsForm::Show(const std::vector<TStatColumnRec>& records, UserInterface& ui, QWidget* parent)
{
    TStatisticsForm form(records, ui, parent);
    form.exec();
}

void TStatisticsForm::Save()
{
    QFileDialog dlgSave(this, tr("Zapisz wynik obliczeń statystycznych jako ..."), QString(),
                        tr("Pliki tekstowe (*.txt);;Wszystkie pliki (*.*)"));
    dlgSave.setObjectName(QStringLiteral("dlgSave"));
    dlgSave.setAcceptMode(QFileDialog::AcceptSave);
    dlgSave.setDefaultSuffix(QStringLiteral("txt"));
    if (dlgSave.exec() != QDialog::Accepted || dlgSave.selectedFiles().isEmpty())
        return;
    SaveReport(m_memText->toPlainText(), dlgSave.selectedFiles().first(), m_ui);
}
