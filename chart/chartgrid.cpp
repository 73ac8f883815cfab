#include "chart/chartgrid.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace cyclara {

ChartGrid::ChartGrid() = default;

void ChartGrid::setRows(const QList<ChartRow> &rows)
{
    const qsizetype rowTotal = rows.size();
    const qsizetype columnTotal = rows.isEmpty() ? 0 : rows.first().values.size();

    m_rowLabels.clear();
    m_rowLabels.reserve(rowTotal);
    for (const ChartRow &row : rows)
        m_rowLabels.append(row.label);

    m_columnLabels.resize(std::min(m_columnLabels.size(), columnTotal));
    while (m_columnLabels.size() < columnTotal)
        m_columnLabels.append(QStringLiteral("C%1").arg(m_columnLabels.size() + 1));
    m_hidden.resize(columnTotal, false);

    m_columns.resize(columnTotal);
    for (qsizetype c = 0; c < columnTotal; ++c) {
        QList<double> &column = m_columns[c];
        column.resize(rowTotal);
        for (qsizetype r = 0; r < rowTotal; ++r) {
            const QList<double> &values = rows.at(r).values;
            column[r] = c < values.size() ? values.at(c) : 0.0;
        }
    }

    m_currentRow = std::clamp(m_currentRow, std::min(1, rowCount()), rowCount());
    m_currentColumn = std::clamp(m_currentColumn, std::min(1, columnCount()), columnCount());
}

QString ChartGrid::rowLabel(int row) const
{
    return hasRow(row) ? m_rowLabels.at(row - 1) : QString();
}

QString ChartGrid::columnLabel(int column) const
{
    return hasColumn(column) ? m_columnLabels.at(column - 1) : QString();
}

void ChartGrid::setColumnLabel(int column, const QString &label)
{
    if (hasColumn(column))
        m_columnLabels[column - 1] = label;
}

double ChartGrid::value(int row, int column) const
{
    return hasRow(row) && hasColumn(column) ? m_columns.at(column - 1).at(row - 1) : 0.0;
}

const QList<double> &ChartGrid::columnValues(int column) const
{
    static const QList<double> none;
    return hasColumn(column) ? m_columns.at(column - 1) : none;
}

bool ChartGrid::isHidden(int column) const
{
    return hasColumn(column) && m_hidden.at(column - 1);
}

void ChartGrid::setHidden(int column, bool hidden)
{
    if (hasColumn(column))
        m_hidden[column - 1] = hidden;
}

void ChartGrid::setCurrentRow(int row)
{
    if (hasRow(row))
        m_currentRow = row;
}

void ChartGrid::setCurrentColumn(int column)
{
    if (hasColumn(column))
        m_currentColumn = column;
}

QString ChartGrid::valueText(double value)
{
    // Doubles hold whole numbers exactly far beyond the cycle range; 'f' with no decimals
    // writes them digit for digit, and adding 0.0 turns a negative zero into a plain zero.
    if (std::isfinite(value) && value == std::trunc(value))
        return QString::number(value + 0.0, 'f', 0);
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace cyclara
