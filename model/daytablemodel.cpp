// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/daytablemodel.h"

#include "model/daystatus.h"

namespace cyclara {

DayTableModel::DayTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void DayTableModel::setDays(QList<DayRow> days, const QDate &today)
{
    beginResetModel();
    m_days = std::move(days);
    m_today = today;
    m_currentRow = m_days.isEmpty() ? -1 : middleRow();
    endResetModel();
    emit currentRowChanged(m_currentRow);
}

int DayTableModel::todayRow() const
{
    if (m_days.isEmpty() || !m_today.isValid())
        return -1;
    const auto row = m_days.first().date.daysTo(m_today);
    return row >= 0 && row < m_days.size() ? int(row) : -1;
}

void DayTableModel::setCurrentRow(int row)
{
    if (!hasDay(row) || row == m_currentRow)
        return;
    m_currentRow = row;
    emit currentRowChanged(row);
}

int DayTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : dayCount();
}

int DayTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DayTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !hasDay(index.row()))
        return {};
    // The means are numbers, set right as numbers are.
    if (role == Qt::TextAlignmentRole)
        return index.column() >= FirstSeriesColumn + cycleCount
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    const DayRow &row = m_days.at(index.row());
    switch (index.column()) {
    case DateColumn:
        return row.date.toString(Qt::ISODate);
    case LabelColumn:
        return row.label;
    default:
        const Series series = everySeries.at(std::size_t(index.column() - FirstSeriesColumn));
        return seriesCellText(series, row.values.at(at(series)));
    }
}

QVariant DayTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return dayTableHeadings().at(section);
}

} // namespace cyclara
