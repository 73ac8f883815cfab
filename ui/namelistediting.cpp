// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/namelistediting.h"

#include "register/birthtext.h"
#include "register/peoplemodel.h"
#include "ui/windowservices.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace cyclara {

QString nameWithBlanksMessage()
{
    return NameListEditing::tr("姓名中不能含有空格，请重新填写");
}

NameListEditing::NameListEditing(QComboBox *personName, PeopleModel &people,
                                 const WindowServices &services, QWidget *window)
    : QObject(window)
    , m_personName(personName)
    , m_nameList(personName->view())
    , m_people(people)
    , m_services(services)
    , m_window(window)
{
    for (QWidget *on :
         {static_cast<QWidget *>(personName), static_cast<QWidget *>(personName->lineEdit())}) {
        on->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(on, &QWidget::customContextMenuRequested, this,
                [this, on](QPoint at) { showMenu(on, at); });
    }
    m_nameList->installEventFilter(this);
}

// The field's own editing actions, then the two for the person whose name the field shows, then
// the window's own.
void NameListEditing::showMenu(QWidget *on, QPoint at)
{
    QMenu *menu = m_personName->lineEdit()->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    const QString name = m_personName->currentText();
    const bool registered = m_people.people().contains(name);
    QAction *remove = menu->addAction(tr("删除此人"), this, [this, name] { removePerson(name); });
    QAction *rename = menu->addAction(tr("重命名…"), this, [this, name] { renamePerson(name); });
    remove->setEnabled(registered);
    rename->setEnabled(registered);
    if (!m_moreActions.isEmpty()) {
        menu->addSeparator();
        menu->addActions(m_moreActions);
    }
    menu->popup(on->mapToGlobal(at));
}

bool NameListEditing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_nameList && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ShiftModifier) {
            const QString name = m_nameList->currentIndex().data().toString();
            if (m_people.people().contains(name)) {
                m_personName->hidePopup();
                removePerson(name);
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void NameListEditing::removePerson(const QString &name)
{
    if (!m_people.people().contains(name))
        return;
    const auto answer =
        m_services.ask(m_window, QMessageBox::Question, tr("要从姓名登记中删除“%1”吗？").arg(name),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    // Taking the shown item out of the list would show the next person's name without picking
    // them, so the field keeps what it showed, or nothing when that was the person removed.
    const QString shown = m_personName->currentText();
    m_people.remove(name);
    m_personName->setCurrentIndex(-1);
    m_personName->setEditText(shown == name ? QString() : shown);
}

void NameListEditing::renamePerson(const QString &name)
{
    if (!m_people.people().contains(name))
        return;
    // A name the register cannot take is refused where it was typed, so it can be mended there.
    const auto acceptable = [this, name](const QString &typed) {
        const QString newName = trimmedName(typed);
        QString refusal;
        if (!nameReadsBack(newName))
            refusal = nameWithBlanksMessage();
        else if (newName != name && m_people.people().contains(newName))
            refusal = tr("“%1”已经登记过了，请换一个姓名").arg(newName);
        if (!refusal.isEmpty())
            m_services.showMessage(QApplication::activeModalWidget(), QMessageBox::Information,
                                   refusal);
        return refusal.isEmpty();
    };
    const std::optional<QString> typed =
        m_services.askText(m_window, tr("“%1”的新姓名：").arg(name), name, acceptable);
    if (!typed)
        return;
    const QString newName = trimmedName(*typed);
    if (newName.isEmpty() || newName == name)
        return;
    // Changing a list item's text can put it into the field; the field keeps what it showed.
    const QString shown = m_personName->currentText();
    m_people.rename(name, newName);
    m_personName->setEditText(shown == name ? newName : shown);
}

} // namespace cyclara
