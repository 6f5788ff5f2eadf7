#include "LevelDialog.h"

#include "Prompts.h"
#include "SelectOnFocus.h"
#include "Twips.h"
#include "UpDown.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

LevelDialog::LevelDialog(const QString& prompt, const QString& levelText, Apply apply, Prompts& prompts,
                         QWidget* parent)
    : QDialog(parent)
    , m_text1(new QLineEdit(levelText, this))
    , m_apply(std::move(apply))
    , m_prompts(prompts)
{
    setObjectName(QStringLiteral("fEditLevel"));
    setWindowTitle(tr("Level"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* label1 = new QLabel(prompt, this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    auto* label2 = new QLabel(tr("Level :"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFixedWidth(twips::toPixels(600));
    m_text1->setAlignment(Qt::AlignRight);
    auto* upDown1 = new UpDown(m_text1, 0, 1000, this);
    upDown1->setObjectName(QStringLiteral("UpDown1"));
    auto* label3 = new QLabel(QStringLiteral("%"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    auto* command1 = new QPushButton(tr("OK"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setDefault(true);
    auto* command2 = new QPushButton(tr("Cancel"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    SelectOnFocus::install(m_text1, 4);

    auto* entry = new QHBoxLayout;
    entry->addStretch();
    entry->addWidget(label2);
    entry->addWidget(m_text1);
    entry->addWidget(upDown1);
    entry->addWidget(label3);
    entry->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1);
    buttons->addWidget(command2);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addLayout(entry);
    layout->addLayout(buttons);
    setFixedWidth(twips::toPixels(4800));

    connect(command1, &QPushButton::clicked, this, &LevelDialog::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &QDialog::reject);
    m_text1->setFocus();
}

void LevelDialog::Command1_Click()
{
    if (const auto refusal = m_apply(m_text1->text())) {
        m_prompts.message(this, refusal->text, refusal->caption, Prompts::Buttons::Ok);
        return;
    }
    accept();
}
