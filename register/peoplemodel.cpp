// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "register/peoplemodel.h"

namespace cyclara {

PeopleModel::PeopleModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void PeopleModel::replace(BirthRegister people)
{
    beginResetModel();
    m_people = std::move(people);
    endResetModel();
}

void PeopleModel::set(const QString &name, const QDate &date)
{
    if (m_people.contains(name)) {
        m_people.set(name, date);
        return;
    }
    const int row = int(m_people.size());
    beginInsertRows({}, row, row);
    m_people.set(name, date);
    endInsertRows();
}

void PeopleModel::remove(const QString &name)
{
    const int row = int(m_people.names().indexOf(name));
    if (row < 0)
        return;
    beginRemoveRows({}, row, row);
    m_people.remove(name);
    endRemoveRows();
}

bool PeopleModel::rename(const QString &from, const QString &to)
{
    if (!m_people.rename(from, to))
        return false;
    const QModelIndex renamed = index(int(m_people.names().indexOf(to)));
    emit dataChanged(renamed, renamed);
    return true;
}

int PeopleModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_people.size());
}

QVariant PeopleModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_people.names().at(index.row());
}

} // namespace cyclara
