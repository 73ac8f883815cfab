// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/peopledaysmodel.h"

#include "model/daystatus.h"
#include "model/daytableexport.h"

#include <QCoreApplication>

namespace cyclara {

PeopleDaysModel::PeopleDaysModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void PeopleDaysModel::setDays(const QList<Person> &people, Series series, const QDate &first,
                              const QDate &last, const QDate &today)
{
    const QDate current = hasDay(m_currentRow) ? date(m_currentRow) : QDate();
    beginResetModel();
    m_people = people;
    m_series = series;
    m_today = today;
    m_days = people.isEmpty() ? QList<QList<DayRow>>() : daysOfEach(people, first, last, today);
    m_currentRow = -1;
    if (dayCount() > 0) {
        const QDate kept = current.isValid() && current >= first && current <= last ? current
                           : today >= first && today <= last                        ? today
                                                                                    : first;
        m_currentRow = int(first.daysTo(kept));
    }
    endResetModel();
    emit currentRowChanged(m_currentRow);
}

void PeopleDaysModel::setSeries(Series series)
{
    if (series == m_series)
        return;
    m_series = series;
    if (dayCount() > 0)
        emit dataChanged(index(0, FirstPersonColumn), index(dayCount() - 1, columnCount() - 1));
}

int PeopleDaysModel::todayRow() const
{
    if (dayCount() == 0 || !m_today.isValid())
        return -1;
    const auto row = date(0).daysTo(m_today);
    return row >= 0 && row < dayCount() ? int(row) : -1;
}

void PeopleDaysModel::setCurrentRow(int row)
{
    if (!hasDay(row) || row == m_currentRow)
        return;
    m_currentRow = row;
    emit currentRowChanged(row);
}

QString PeopleDaysModel::cellText(int person, int row) const
{
    return seriesCellText(m_series, day(person, row).values[at(m_series)]);
}

QString PeopleDaysModel::dayStatusText(int row) const
{
    if (!hasDay(row))
        return {};
    QStringList each;
    for (int person = 0; person < m_people.size(); ++person)
        //: One person in the people window's status line: the name, then the status
        each << QCoreApplication::translate("PeopleTogether", "%1 %2")
                    .arg(m_people.at(person).name, cellText(person, row));
    //: What separates the people in the people window's status line
    const QString separator = QCoreApplication::translate("PeopleTogether", "；");
    //: The people window's status line: the day's label, then every person's status
    return QCoreApplication::translate("PeopleTogether", "%1: %2")
        .arg(day(0, row).label, each.join(separator));
}

QByteArray PeopleDaysModel::csv() const
{
    QStringList lines;
    QStringList head{dayTableHeadings().at(0)};
    for (const Person &person : m_people)
        head << csvField(person.name);
    lines << head.join(u',');
    const std::size_t series = at(m_series);
    for (int row = 0; row < dayCount(); ++row) {
        QStringList cells{date(row).toString(Qt::ISODate)};
        for (int person = 0; person < m_people.size(); ++person)
            cells << QString::number(day(person, row).values[series], 'f',
                                     series < std::size_t(cycleCount) ? 0 : 2);
        lines << cells.join(u',');
    }
    return "\xEF\xBB\xBF" + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

int PeopleDaysModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : dayCount();
}

int PeopleDaysModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FirstPersonColumn + int(m_people.size());
}

QVariant PeopleDaysModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !hasDay(index.row()) || index.column() >= columnCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() >= FirstPersonColumn && at(m_series) >= std::size_t(cycleCount)
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    if (index.column() == DateColumn)
        return date(index.row()).toString(Qt::ISODate);
    return cellText(index.column() - FirstPersonColumn, index.row());
}

QVariant PeopleDaysModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == DateColumn)
        return dayTableHeadings().at(0);
    return m_people.at(section - FirstPersonColumn).name;
}

} // namespace cyclara
