#include "gui/app/AboutBox.h"

#include "gui/app/Hints.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(tr("O Salvento"));
    SetHelpTopic(this, 301);

    // The program's own icon once one is set for the application, else the style's program icon.
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_ComputerIcon);
    auto* programIcon = new QLabel(this);
    programIcon->setObjectName(QStringLiteral("ProgramIcon"));
    programIcon->setPixmap(icon.pixmap(32, 32));

    auto* productName = new QLabel(tr("Salvento dla Windows"), this);
    productName->setObjectName(QStringLiteral("ProductName"));
    QFont bold = productName->font();
    bold.setBold(true);
    productName->setFont(bold);
    auto* version = new QLabel(tr("Wersja %1").arg(QApplication::applicationVersion()), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* licence = new QLabel(tr("Rozpowszechniany na licencji MIT"), this);
    licence->setObjectName(QStringLiteral("Licence"));

    auto* okButton = new QPushButton(tr("To fantastycznie !"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setDefault(true);
    Hint(okButton, tr("Kliknij tu lub wciśnij ENTER, by zamknąć okno 'O Salvento'"));
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(productName);
    texts->addWidget(version);
    texts->addWidget(licence);
    auto* top = new QHBoxLayout;
    top->addWidget(programIcon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(okButton, 0, Qt::AlignHCenter);
    FitTitle(this);
    setFixedSize(sizeHint().expandedTo(minimumSize()));
}

void TAboutBox::Show(QWidget* parent)
{
    TAboutBox box(parent);
    box.exec();
}
