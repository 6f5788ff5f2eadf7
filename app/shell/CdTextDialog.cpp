#include "CdTextDialog.h"

#include "Twips.h"
#include "cd_text_messages.h"
#include "cd_text_packs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int NumberColumn = 0;
constexpr int TitleColumn = 1;
constexpr int PerformerColumn = 2;

const QColor FaultColor(255, 200, 200);

void markField(QLineEdit* field, bool fault)
{
    QPalette palette = field->parentWidget()->palette();
    if (fault)
        palette.setColor(QPalette::Base, FaultColor);
    field->setPalette(palette);
}

}  // namespace

CdTextDialog::CdTextDialog(const CdTextSet& shown, const QString& discFallback, QWidget* parent)
    : QDialog(parent)
    , m_shown(shown)
    , m_discTitle(new QLineEdit(shown.disc.title, this))
    , m_discPerformer(new QLineEdit(shown.disc.performer, this))
    , m_grid(new QTableWidget(int(shown.tracks.size()), 3, this))
    , m_capacity(new QLabel(this))
    , m_discFallback(discFallback)
{
    setObjectName(QStringLiteral("fCdText"));
    setWindowTitle(QStringLiteral("CD-TEXT"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_discTitle->setObjectName(QStringLiteral("txtDiscTitle"));
    m_discTitle->setPlaceholderText(tr("(CUEｼｰﾄのﾌｧｲﾙ名)"));
    m_discPerformer->setObjectName(QStringLiteral("txtDiscPerformer"));
    m_grid->setObjectName(QStringLiteral("grdTracks"));
    m_grid->setHorizontalHeaderLabels({tr("No."), tr("ﾀｲﾄﾙ"), tr("演奏者")});
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(NumberColumn, QHeaderView::ResizeToContents);
    m_grid->horizontalHeader()->setSectionResizeMode(TitleColumn, QHeaderView::Stretch);
    m_grid->horizontalHeader()->setSectionResizeMode(PerformerColumn, QHeaderView::Stretch);
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        auto* number = new QTableWidgetItem(QString::number(row + 1));
        number->setFlags(Qt::ItemIsEnabled);
        m_grid->setItem(row, NumberColumn, number);
        m_grid->setItem(row, TitleColumn, new QTableWidgetItem(shown.tracks[row].title));
        m_grid->setItem(row, PerformerColumn, new QTableWidgetItem(shown.tracks[row].performer));
    }
    m_capacity->setObjectName(QStringLiteral("lblCapacity"));

    auto* fields = new QFormLayout;
    fields->addRow(tr("ﾃﾞｨｽｸのﾀｲﾄﾙ:"), m_discTitle);
    fields->addRow(tr("ﾃﾞｨｽｸの演奏者:"), m_discPerformer);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_capacity);
    layout->addWidget(m_grid);
    layout->addWidget(buttons);
    resize(twips::toPixels(9000), twips::toPixels(6000));

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_discTitle, &QLineEdit::textChanged, this, &CdTextDialog::refreshCapacity);
    connect(m_discPerformer, &QLineEdit::textChanged, this, &CdTextDialog::refreshCapacity);
    connect(m_grid, &QTableWidget::itemChanged, this, &CdTextDialog::refreshCapacity);
    refreshCapacity();
}

CdTextSet CdTextDialog::texts() const
{
    CdTextSet texts = m_shown;
    texts.disc.title = m_discTitle->text();
    texts.disc.performer = m_discPerformer->text();
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        texts.tracks[row].title = m_grid->item(row, TitleColumn)->text();
        texts.tracks[row].performer = m_grid->item(row, PerformerColumn)->text();
    }
    return texts;
}

void CdTextDialog::refreshCapacity()
{
    CdTextSet counted = texts();
    if (counted.disc.title.isEmpty())
        counted.disc.title = m_discFallback;
    const CdTextPacks packs = BuildCdTextPacks(counted);
    m_capacity->setText(cdtextmessages::capacityLine(packs));

    const QSignalBlocker blocker(m_grid);
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        for (const int column : {TitleColumn, PerformerColumn})
            m_grid->item(row, column)->setBackground(QBrush());
    }
    markField(m_discTitle, false);
    markField(m_discPerformer, false);
    for (const CdTextFault& fault : packs.faults) {
        const bool performer = fault.field == CdTextField::Performer;
        if (fault.track)
            m_grid->item(*fault.track, performer ? PerformerColumn : TitleColumn)->setBackground(FaultColor);
        else
            markField(performer ? m_discPerformer : m_discTitle, true);
    }
}
