// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/daytablemodel.h"

#include "model/daystatus.h"
#include "model/daytableexport.h"

namespace cyclara {

DayTableModel::DayTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void DayTableModel::setDays(QList<DayRow> days, const QDate &today, const QDate &birth)
{
    beginResetModel();
    m_days = std::move(days);
    m_today = today;
    m_birth = birth;
    m_currentRow = m_days.isEmpty() ? -1 : middleRow();
    endResetModel();
    emit currentRowChanged(m_currentRow);
}

void DayTableModel::setFurtherCycles(const FurtherCycles &cycles)
{
    if (cycles == m_further)
        return;
    beginResetModel();
    m_further = cycles;
    endResetModel();
}

double DayTableModel::furtherValue(int row, int place) const
{
    return furtherCycleValue(m_further.at(place), m_birth, m_days.at(row).date);
}

QByteArray DayTableModel::csv() const
{
    return dayTableCsv(m_days, furtherColumns(m_further, m_birth, m_days));
}

QByteArray DayTableModel::text() const
{
    return dayTableText(m_days, furtherColumns(m_further, m_birth, m_days));
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
    return parent.isValid() ? 0 : ColumnCount + int(m_further.size());
}

QVariant DayTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !hasDay(index.row()))
        return {};
    // The means are numbers, set right as numbers are.
    if (role == Qt::TextAlignmentRole)
        return index.column() >= FirstSeriesColumn + cycleCount && index.column() < ColumnCount
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    const DayRow &row = m_days.at(index.row());
    if (index.column() >= ColumnCount) {
        qint16 band = 0;
        return PointVal(qint16(furtherValue(index.row(), index.column() - ColumnCount)), band);
    }
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
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section >= ColumnCount)
        return furtherCycleName(m_further.at(section - ColumnCount));
    return dayTableHeadings().at(section);
}

} // namespace cyclara
