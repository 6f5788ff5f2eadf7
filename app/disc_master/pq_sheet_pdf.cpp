#include "pq_sheet_pdf.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <array>

namespace {

const QString Face = QStringLiteral("IPAPGothic");
constexpr int Dpi = 300;
constexpr double MarginMm = 15;
// Each column's share of the table's width: No., start, length, pause,
// ISRC, title, performer.
constexpr std::array<double, 7> ColumnShares = {0.11, 0.1, 0.1, 0.1, 0.15, 0.24, 0.2};

// Draws the sheet line by line down the page, starting a page when the
// next line would not fit.
class SheetPainter {
public:
    SheetPainter(QPdfWriter& writer, QPainter& painter)
        : m_writer(writer)
        , m_painter(painter)
        , m_page(painter.viewport())
    {
    }

    void heading(const QString& text)
    {
        m_painter.setFont(QFont(Face, 16, QFont::Bold));
        line({text}, {1.0});
        m_y += lineHeight() / 2;
    }

    void discLine(const PqSheet::Line& line)
    {
        m_painter.setFont(QFont(Face, 10));
        this->line({line.label, line.value}, {0.25, 0.75});
    }

    void table(const QStringList& columns, const QList<QStringList>& rows)
    {
        m_y += lineHeight();
        m_columns = columns;
        columnTitles();
        m_painter.setFont(QFont(Face, 9));
        for (const QStringList& row : rows) {
            if (m_y + lineHeight() > m_page.bottom()) {
                m_writer.newPage();
                m_y = m_page.top();
                columnTitles();
                m_painter.setFont(QFont(Face, 9));
            }
            line(row, {ColumnShares.begin(), ColumnShares.end()});
        }
        rule();
    }

private:
    int lineHeight() const { return QFontMetrics(m_painter.font(), &m_writer).height() * 13 / 10; }

    void columnTitles()
    {
        m_painter.setFont(QFont(Face, 9, QFont::Bold));
        rule();
        line(m_columns, {ColumnShares.begin(), ColumnShares.end()});
        rule();
    }

    void rule()
    {
        m_painter.drawLine(m_page.left(), m_y, m_page.right(), m_y);
    }

    // One line of cells, each in its share of the width, cut short with an
    // ellipsis where it would run into the next.
    void line(const QStringList& cells, const QList<double>& shares)
    {
        const QFontMetrics metrics(m_painter.font(), &m_writer);
        double x = m_page.left();
        for (qsizetype i = 0; i < cells.size() && i < shares.size(); ++i) {
            const int width = int(shares[i] * m_page.width());
            const QRect cell(int(x), m_y, width - metrics.averageCharWidth(), lineHeight());
            m_painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                               metrics.elidedText(cells[i], Qt::ElideRight, cell.width()));
            x += width;
        }
        m_y += lineHeight();
    }

    QPdfWriter& m_writer;
    QPainter& m_painter;
    QRect m_page;
    QStringList m_columns;
    int m_y = m_page.top();
};

}  // namespace

QByteArray PqSheetPdf(const PqSheet& sheet)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(Dpi);
    writer.setTitle(sheet.heading);
    writer.setCreator(QStringLiteral("Sonvelle"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter));
    QPainter painter(&writer);
    SheetPainter page(writer, painter);
    page.heading(sheet.heading);
    for (const PqSheet::Line& line : sheet.disc)
        page.discLine(line);
    page.table(sheet.columns, sheet.rows);
    painter.end();
    return pdf;
}
