// MSFlexGrid1: the list grid of the main window. Rows are numbered as the
// list texts number them, row 0 being the fixed header; the grid keeps a
// cursor row (Row) and a selection-end row (RowSel), which a held mouse
// button drags along to the row under the pointer. Held above or below the
// rows, the button scrolls the grid a row at a time, so that a drag can
// reach rows out of sight. The highlight of the selection is switched on and
// off by the window's command-state refresh.
#pragma once

#include <QPoint>
#include <QStringList>
#include <QTableWidget>
#include <QTimer>

#include <functional>

class ListGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit ListGrid(QWidget* parent = nullptr);

    // Header captions and column widths in twips.
    void setUp(const QStringList& headers, const QList<int>& widthsTwips);

    // Shrinks the grid's font until text fits a column of the given width.
    // The designed face has narrow digits; a stand-in face with wider ones
    // would otherwise clip the CD times in their designed columns.
    void fitFont(const QString& text, int columnTwips);

    int Row() const { return m_row; }
    void SetRow(int row);
    int RowSel() const { return m_rowSel; }
    void SetRowSel(int row) { m_rowSel = row; }

    QString TextMatrix(int row, int column) const;
    void SetTextMatrix(int row, int column, const QString& text);
    // Writes columns 0..7 of a row from a list of 8 texts.
    void SetRowTexts(int row, const QStringList& texts);
    void ClearRow(int row);

    // Selects the whole cursor row (RowSel := Row) and shows or hides the
    // highlight of the selection.
    void SelectCursorRow();
    void SetHighlight(bool on);

    // True when a point in grid coordinates lies strictly inside the grid.
    bool containsStrictly(const QPoint& point) const;

    // Files dragged over or dropped on the grid, as local paths. canDrop
    // decides whether a drag may end here; drop receives the files. A drag
    // that carries no local file is refused without asking.
    std::function<bool(const QStringList&)> canDrop;
    std::function<void(const QStringList&)> drop;

signals:
    // Pointer positions are in grid coordinates.
    void MouseDown(const QPoint& position);
    void MouseMove(const QPoint& position);
    void MouseUp(const QPoint& position);
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int gridRowAt(const QPoint& viewportPosition) const;
    QPoint toGrid(const QPoint& viewportPosition) const;
    void showSelection();
    void followPointer(const QPoint& viewportPosition);
    void scrollTowardsPointer();

    int m_row = 1;
    int m_rowSel = 1;
    bool m_highlight = false;
    QTimer m_scroll;
    int m_scrollStep = 0;  // -1 up, 1 down, 0 still
};
