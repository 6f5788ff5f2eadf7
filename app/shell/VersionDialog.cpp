#include "VersionDialog.h"

#include "FixedDialogSize.h"
#include "Icons.h"
#include "ProgramTitle.h"
#include "ProgramVersion.h"
#include "Twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

VersionDialog::VersionDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fVersion"));
    setWindowTitle(tr("ﾊﾞｰｼﾞｮﾝ情報"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(icons::programIcon().pixmap(32, 32));
    auto* label = new QLabel(versionText(), this);
    label->setObjectName(QStringLiteral("Label1"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(twips::toPixels(240));
    top->addWidget(label, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    setFixedWidth(twips::toPixels(4500));
    FixDialogSize(*this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString VersionDialog::versionText()
{
    // Major and minor read as one decimal number: "0.1" is 0.10.
    const QStringList parts = QString::fromLatin1(ProgramVersion).split(u'.');
    const double number = (parts.value(0) + u'.' + parts.value(1)).toDouble();
    return ProgramTitle() + tr(" Ver") + QString::number(number, 'f', 2);
}
