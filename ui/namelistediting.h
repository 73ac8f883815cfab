// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

class QAbstractItemView;
class QAction;
class QComboBox;
class QWidget;

namespace cyclara {

class PeopleModel;
struct WindowServices;

// Removing and renaming people without editing the file: a context menu on the name picker
// (删除此人, 重命名…), and Shift+Delete on the highlighted item of its open list. Changes go to the
// register in memory and to the list; the file gets them at close like any other change.
class NameListEditing : public QObject {
    Q_OBJECT
public:
    NameListEditing(QComboBox *personName, PeopleModel &people, const WindowServices &services,
                    QWidget *window);

    void removePerson(const QString &name);
    void renamePerson(const QString &name);
    // Adds an action of the window's own to the end of the name picker's menu.
    void addToMenu(QAction *action) { m_moreActions.append(action); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMenu(QWidget *on, QPoint at);

    QComboBox *m_personName;
    // Kept apart from the field: while the field is being destroyed its list still sends
    // events, and asking the half-destroyed field for its list is undefined.
    QAbstractItemView *m_nameList;
    PeopleModel &m_people;
    const WindowServices &m_services;
    QWidget *m_window;
    QList<QAction *> m_moreActions;
};

// Refusal of a name the register could not read back.
QString nameWithBlanksMessage();

} // namespace cyclara
