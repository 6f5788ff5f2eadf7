#include "ListGrid.h"

#include "Twips.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QUrl>

namespace {

// Rows of the designed grid, the fixed header row included. The header is
// the table's own header, so grid row r is table row r - 1.
constexpr int GridRows = 62;
constexpr int GridColumns = 8;
constexpr int RowHeightTwips = 240;
constexpr int ScrollIntervalMs = 60;

QStringList localFiles(const QMimeData* data)
{
    QStringList files;
    if (data == nullptr || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

}  // namespace

ListGrid::ListGrid(QWidget* parent)
    : QTableWidget(GridRows - 1, GridColumns, parent)
{
    setObjectName(QStringLiteral("MSFlexGrid1"));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(twips::toPixels(RowHeightTwips));
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setFixedHeight(twips::toPixels(RowHeightTwips) + 2);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // The selection changes by mouse only, through the command-state
    // refresh: keys would move the highlight away from the selected track.
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column)
            setItem(row, column, new QTableWidgetItem);
    }
    m_scroll.setInterval(ScrollIntervalMs);
    connect(&m_scroll, &QTimer::timeout, this, &ListGrid::scrollTowardsPointer);
}

void ListGrid::setUp(const QStringList& headers, const QList<int>& widthsTwips)
{
    setHorizontalHeaderLabels(headers);
    for (int column = 0; column < widthsTwips.size(); ++column)
        setColumnWidth(column, twips::toPixels(widthsTwips[column]));
    // The title column reads from the left; the others centre their texts.
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            item(row, column)->setTextAlignment(column == 2 ? Qt::AlignLeft | Qt::AlignVCenter
                                                            : Qt::AlignCenter);
        }
    }
    for (int column = 0; column < columnCount(); ++column)
        horizontalHeaderItem(column)->setTextAlignment(Qt::AlignCenter);
}

void ListGrid::fitFont(const QString& text, int columnTwips)
{
    // The item view leaves a focus-frame margin plus one pixel on each side
    // of a cell, and the grid line takes one pixel.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const int available = twips::toPixels(columnTwips) - margin - (showGrid() ? 1 : 0);
    constexpr double SmallestPoints = 6.0;
    QFont fitted = font();
    while (QFontMetricsF(fitted).horizontalAdvance(text) > available && fitted.pointSizeF() > SmallestPoints)
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
    setFont(fitted);
    horizontalHeader()->setFont(fitted);
}

void ListGrid::SetRow(int row)
{
    m_row = row;
    m_rowSel = row;
}

QString ListGrid::TextMatrix(int row, int column) const
{
    if (row == 0)
        return horizontalHeaderItem(column)->text();
    return item(row - 1, column)->text();
}

void ListGrid::SetTextMatrix(int row, int column, const QString& text)
{
    item(row - 1, column)->setText(text);
}

void ListGrid::SetRowTexts(int row, const QStringList& texts)
{
    for (int column = 0; column < columnCount() && column < texts.size(); ++column)
        SetTextMatrix(row, column, texts[column]);
}

void ListGrid::ClearRow(int row)
{
    for (int column = 0; column < columnCount(); ++column)
        SetTextMatrix(row, column, QString());
}

void ListGrid::SelectCursorRow()
{
    m_rowSel = m_row;
    scrollToItem(item(m_row - 1, 0));
    showSelection();
}

void ListGrid::SetHighlight(bool on)
{
    m_highlight = on;
    showSelection();
}

bool ListGrid::containsStrictly(const QPoint& point) const
{
    return point.x() > 0 && point.x() < width() && point.y() > 0 && point.y() < height();
}

void ListGrid::showSelection()
{
    if (!m_highlight) {
        selectionModel()->clearSelection();
        return;
    }
    const int first = std::min(m_row, m_rowSel) - 1;
    const int last = std::max(m_row, m_rowSel) - 1;
    const QItemSelection range(model()->index(first, 0), model()->index(last, columnCount() - 1));
    selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
}

int ListGrid::gridRowAt(const QPoint& viewportPosition) const
{
    const int tableRow = rowAt(viewportPosition.y());
    return tableRow < 0 ? -1 : tableRow + 1;
}

QPoint ListGrid::toGrid(const QPoint& viewportPosition) const
{
    return viewport()->mapTo(this, viewportPosition);
}

void ListGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int row = gridRowAt(event->position().toPoint());
    if (row > 0)
        SetRow(row);
    emit MouseDown(toGrid(event->position().toPoint()));
}

void ListGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    followPointer(event->position().toPoint());
    emit MouseMove(toGrid(event->position().toPoint()));
}

void ListGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_scroll.stop();
    m_scrollStep = 0;
    emit MouseUp(toGrid(event->position().toPoint()));
}

void ListGrid::followPointer(const QPoint& viewportPosition)
{
    const int row = gridRowAt(viewportPosition);
    if (row > 0)
        m_rowSel = row;
    m_scrollStep = viewportPosition.y() < 0 ? -1 : viewportPosition.y() >= viewport()->height() ? 1 : 0;
    if (m_scrollStep == 0)
        m_scroll.stop();
    else if (!m_scroll.isActive())
        m_scroll.start();
}

void ListGrid::scrollTowardsPointer()
{
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + m_scrollStep);
    const int edge = m_scrollStep < 0 ? 0 : viewport()->height() - 1;
    const int row = gridRowAt(QPoint(0, edge));
    if (row > 0)
        m_rowSel = row;
}

void ListGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit DblClick();
}

void ListGrid::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void ListGrid::dragMoveEvent(QDragMoveEvent* event)
{
    const QStringList files = localFiles(event->mimeData());
    if (!files.isEmpty() && canDrop && canDrop(files) && (event->possibleActions() & Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void ListGrid::dropEvent(QDropEvent* event)
{
    const QStringList files = localFiles(event->mimeData());
    if (files.isEmpty() || !canDrop || !canDrop(files) || !drop) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // Opening runs modal dialogs; the drag source gets its answer first.
    QMetaObject::invokeMethod(this, [this, files] { drop(files); }, Qt::QueuedConnection);
}
