#include "MuteDialog.h"

#include "Prompts.h"
#include "SelectOnFocus.h"
#include "Twips.h"
#include "UpDown.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

MuteDialog::MuteDialog(const QString& prompt, const MuteParts& mute, Apply apply, Prompts& prompts,
                       QWidget* parent)
    : QDialog(parent)
    , m_apply(std::move(apply))
    , m_prompts(prompts)
{
    setObjectName(QStringLiteral("fEditMute"));
    setWindowTitle(tr("Mute Length"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* label1 = namedLabel(QStringLiteral("Label1"), prompt, this);
    label1->setWordWrap(true);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* option1 = new QRadioButton(QStringLiteral("+"), frame);
    option1->setObjectName(QStringLiteral("Option1"));
    m_option2 = new QRadioButton(QStringLiteral("-"), frame);
    m_option2->setObjectName(QStringLiteral("Option2"));
    (mute.negative ? m_option2 : option1)->setChecked(true);
    auto* signs = new QVBoxLayout(frame);
    signs->setContentsMargins(6, 2, 6, 2);
    signs->addWidget(option1);
    signs->addWidget(m_option2);

    m_text2 = addField(QStringLiteral("Text2"), mute.minutes);
    m_text3 = addField(QStringLiteral("Text3"), mute.seconds);
    m_text4 = addField(QStringLiteral("Text4"), mute.frames);
    auto* upDown1 = new UpDown(m_text2, 0, 59, this);
    upDown1->setObjectName(QStringLiteral("UpDown1"));
    auto* upDown2 = new UpDown(m_text3, 0, 59, this);
    upDown2->setObjectName(QStringLiteral("UpDown2"));
    auto* upDown3 = new UpDown(m_text4, 0, 74, this);
    upDown3->setObjectName(QStringLiteral("UpDown3"));

    auto* entry = new QHBoxLayout;
    entry->addWidget(namedLabel(QStringLiteral("Label2"), tr("Mute Length :"), this));
    entry->addWidget(frame);
    entry->addWidget(namedLabel(QStringLiteral("Label3"), QStringLiteral("0 :"), this));
    entry->addWidget(m_text2);
    entry->addWidget(upDown1);
    entry->addWidget(namedLabel(QStringLiteral("Label4"), QStringLiteral(":"), this));
    entry->addWidget(m_text3);
    entry->addWidget(upDown2);
    entry->addWidget(namedLabel(QStringLiteral("Label5"), QStringLiteral(":"), this));
    entry->addWidget(m_text4);
    entry->addWidget(upDown3);
    entry->addStretch();

    auto* command1 = new QPushButton(tr("OK"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setDefault(true);
    auto* command2 = new QPushButton(tr("Cancel"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1);
    buttons->addWidget(command2);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addLayout(entry);
    layout->addLayout(buttons);
    // Wide enough for every label in the stand-in font.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    label1->setMinimumWidth(twips::toPixels(5400));

    connect(command1, &QPushButton::clicked, this, &MuteDialog::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &QDialog::reject);
    m_text2->setFocus();
}

QLineEdit* MuteDialog::addField(const QString& name, int value)
{
    auto* box = new QLineEdit(QString::number(value), this);
    box->setObjectName(name);
    box->setFixedWidth(twips::toPixels(450));
    box->setAlignment(Qt::AlignRight);
    SelectOnFocus::install(box, 3);
    return box;
}

void MuteDialog::Command1_Click()
{
    if (const auto refusal = m_apply(m_option2->isChecked(), m_text2->text(), m_text3->text(), m_text4->text())) {
        m_prompts.message(this, refusal->text, refusal->caption, Prompts::Buttons::Ok);
        return;
    }
    accept();
}
