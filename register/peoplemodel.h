// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "register/birthregister.h"

#include <QAbstractListModel>

namespace cyclara {

// The people of the register as a list, a row per name in register order: what the name picker
// lists. Every change goes through it, so the list and the register never part.
class PeopleModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit PeopleModel(QObject *parent = nullptr);

    const BirthRegister &people() const { return m_people; }
    void replace(BirthRegister people);

    // As BirthRegister's: a new name gets a row at the end.
    void set(const QString &name, const QDate &date);
    void remove(const QString &name);
    bool rename(const QString &from, const QString &to);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    BirthRegister m_people;
};

} // namespace cyclara
