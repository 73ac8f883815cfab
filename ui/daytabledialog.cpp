// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/daytabledialog.h"

#include "model/dayquery.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace cyclara {

DayTableDialog::DayTableDialog(const DayQuery &query, QWidget *owner)
    : QDialog(owner)
    , m_query(query)
    , m_heading(new QLabel(this))
    , m_view(new QTableView(this))
{
    setWindowTitle(tr("Cyclara - 数据表"));
    setModal(false);
    m_heading->setWordWrap(true);

    m_view->setModel(query.tableModel());
    m_view->setAccessibleName(tr("数据表"));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view->horizontalHeader()->setStretchLastSection(true);
    connect(&query, &DayQuery::currentDayChanged, this, &DayTableDialog::selectCurrentDay);
    connect(&query, &DayQuery::queryChanged, this, &DayTableDialog::followQuery);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *copy = buttons->addButton(tr("复制"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(QString::fromUtf8(tableText())); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_view);
    layout->addWidget(buttons);
    resize(760, 520);
    followQuery();
}

QString DayTableDialog::heading() const
{
    return m_heading->text();
}

void DayTableDialog::followQuery()
{
    m_heading->setText(shownQueryHeading(m_query.shown()));
    selectCurrentDay();
}

QByteArray DayTableDialog::tableText() const
{
    return m_query.days().text();
}

void DayTableDialog::selectCurrentDay()
{
    if (!m_query.hasDays())
        return;
    const QModelIndex current = m_query.days().index(m_query.currentDay(), 0);
    m_view->setCurrentIndex(current);
    m_view->scrollTo(current);
}

} // namespace cyclara
