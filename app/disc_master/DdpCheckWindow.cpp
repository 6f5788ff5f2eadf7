#include "DdpCheckWindow.h"

#include "Twips.h"
#include "image_rows.h"
#include "taken_texts.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QColor FailedColor(255, 200, 200);

QTableWidget* table(const QString& objectName, const QStringList& headings, QWidget* parent)
{
    auto* grid = new QTableWidget(0, int(headings.size()), parent);
    grid->setObjectName(objectName);
    grid->setHorizontalHeaderLabels(headings);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

void fill(QTableWidget* grid, const QList<QStringList>& rows)
{
    grid->setRowCount(int(rows.size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column)
            grid->setItem(row, column, new QTableWidgetItem(rows[row][column]));
    }
    grid->resizeColumnsToContents();
}

}  // namespace

DdpCheckWindow::DdpCheckWindow(const DdpImage& image, const ImageLayout& layout, const QList<CheckRow>& rows,
                               QWidget* parent)
    : QDialog(parent)
    , m_image(image)
    , m_layout(layout)
    , m_disc(new QFormLayout)
    , m_blocks(new QComboBox(this))
    , m_tracks(table(QStringLiteral("grdTracks"), TrackColumns(), this))
    , m_checks(table(QStringLiteral("grdChecks"), {tr("結果"), tr("対象"), tr("内容")}, this))
{
    setObjectName(QStringLiteral("fDdpCheck"));
    setWindowTitle(tr("DDPｲﾒｰｼﾞの確認") + QStringLiteral(" - ") + QFileInfo(image.folder).fileName());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    m_blocks->setObjectName(QStringLiteral("cboBlock"));
    if (image.cdText) {
        for (const CdTextBlockRead& block : image.cdText->blocks)
            m_blocks->addItem(CdTextBlockName(block));
    }
    m_blocks->setEnabled(m_blocks->count() > 1);
    auto* take = new QPushButton(tr("ﾘｽﾄに取り込む(&T)"), this);
    take->setObjectName(QStringLiteral("cmdTake"));
    auto* close = new QPushButton(tr("閉じる"), this);
    close->setObjectName(QStringLiteral("cmdClose"));

    auto* top = new QHBoxLayout;
    top->addLayout(m_disc, 1);
    auto* blockLine = new QFormLayout;
    blockLine->addRow(tr("CD-TEXT:"), m_blocks);
    top->addLayout(blockLine);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(take);
    buttons->addWidget(close);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addLayout(top);
    layoutBox->addWidget(m_tracks, 3);
    layoutBox->addWidget(m_checks, 2);
    layoutBox->addLayout(buttons);
    // Room for the eight columns of the tracks, within a 1024x768 screen.
    resize(twips::toPixels(13500), twips::toPixels(10500));

    connect(m_blocks, &QComboBox::currentIndexChanged, this, &DdpCheckWindow::showTexts);
    connect(take, &QPushButton::clicked, this, [this] { emit TakeRequested(chosenBlock()); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    showTexts();
    showChecks(rows);
}

int DdpCheckWindow::chosenBlock() const
{
    return m_blocks->currentIndex();
}

void DdpCheckWindow::showTexts()
{
    const CdTextSet texts = TextsOfImage(m_image, m_layout, chosenBlock()).texts;
    while (m_disc->rowCount() > 0)
        m_disc->removeRow(0);
    for (const auto& [label, value] : DiscSummary(m_image, m_layout, texts)) {
        auto* shown = new QLabel(value, this);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_disc->addRow(label + u':', shown);
    }
    fill(m_tracks, TrackRows(m_layout, texts));
}

void DdpCheckWindow::showChecks(const QList<CheckRow>& rows)
{
    QList<QStringList> texts;
    for (const CheckRow& row : rows)
        texts.append({ResultText(row.result), row.subject, row.finding});
    fill(m_checks, texts);
    for (int row = 0; row < int(rows.size()); ++row) {
        if (rows[row].result == CheckRow::Result::Failed)
            m_checks->item(row, 0)->setBackground(FailedColor);
    }
}
