#pragma once

#include "chart/cyclechart.h"

#include <QList>
#include <QString>

namespace cyclara {

// The chart's data as the window sees it: labelled rows by labelled columns, the hidden flag of
// each column and the current cell. Kept apart from the drawing so that the drawing can always
// be rebuilt from it. Rows and columns count from 1; out-of-range requests change nothing.
class ChartGrid {
public:
    ChartGrid();

    // Row labels come from `rows`; the column count is the length of the first row (shorter
    // rows read 0 in the missing cells, extra values are dropped). Column labels, hidden flags
    // and the current cell survive where they still exist; the current cell otherwise moves to
    // the nearest one that does.
    void setRows(const QList<ChartRow> &rows);

    int rowCount() const { return int(m_rowLabels.size()); }
    int columnCount() const { return int(m_columnLabels.size()); }

    QString rowLabel(int row) const;
    QString columnLabel(int column) const;
    void setColumnLabel(int column, const QString &label);
    double value(int row, int column) const;
    // One column's values in row order.
    const QList<double> &columnValues(int column) const;

    bool isHidden(int column) const;
    void setHidden(int column, bool hidden);

    int currentRow() const { return m_currentRow; }
    int currentColumn() const { return m_currentColumn; }
    void setCurrentRow(int row);
    void setCurrentColumn(int column);

    bool hasRow(int row) const { return row >= 1 && row <= rowCount(); }
    bool hasColumn(int column) const { return column >= 1 && column <= columnCount(); }

    // Whole numbers as plain digits without a negative zero, anything else in the shortest
    // decimal form that reads back to the same double.
    static QString valueText(double value);

private:
    QStringList m_rowLabels;
    QStringList m_columnLabels;
    QList<QList<double>> m_columns; // [column - 1][row - 1]
    QList<bool> m_hidden;           // [column - 1]
    int m_currentRow = 1;
    int m_currentColumn = 1;
};

} // namespace cyclara
