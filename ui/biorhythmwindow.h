// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window. The flow of one query:
//   pickers (birth date, query date, span; a picked name fills the birth date)
//     -> runQuery(): reads the pickers into a request and submits it to the query
//        (model/dayquery.h), which checks it and builds its day table
//     -> every view follows the query by itself: the chart (chart/cyclechart.h), the prompt line
//        (promptline.h), the explanation panel with its faces and paragraphs
//        (explanationpanel.h), what a screen reader hears of them, the 数据表 and 关键日 windows
//        and what is copied, exported and printed (chartactions.h);
//     -> clicking or walking a day (daywalking.h) shows that day in all of them.
// The register (m_people) is read from m_registerPath in loadStep() and written back in
// closeEvent(); each query run of the user's that passes its checks records the person in it.

#include "chart/cyclechart.h"
#include "register/birthregister.h"
#include "ui/helpwindow.h"
#include "ui/windowcontrols.h"
#include "ui/windowservices.h"

#include <QDate>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QMenu;
class QShortcut;

namespace cyclara {

class DayQuery;
class DayTableModel;
class FixedPlacesLayout;
class PeopleModel;
class RegisterStore;

class BiorhythmWindow : public QWidget, public WindowControls {
    Q_OBJECT
public:
    explicit BiorhythmWindow(WindowServices m_services = {}, QWidget *parent = nullptr);
    ~BiorhythmWindow() override;

    // Shows the registered person `name` (when there is one) on the query date `date` (when
    // valid) instead of the first person today, as a query that records nothing: a reminder's
    // click opens the window so.
    void showPersonOnDay(const QString &name, const QDate &date);

    const BirthRegister &birthRegister() const;
    // Whether the last close wrote the register (or had nothing to write).
    bool registerWasSaved() const { return m_registerSaved; }
    // Closes the window for a signal (SIGTERM and the like): nothing is asked, and a register
    // that cannot be saved is reported on standard error.
    void closeUnattended();
    QString birthFilePath() const { return m_registerPath; }
    HelpWindow *helpWindow() const { return m_help; }

    // The query shown, which every view of the window follows.
    DayQuery &query() const { return *m_query; }
    const DayTableModel &days() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();

    void loadStep();
    void LoadBirthList(const QString &path);
    void SaveBirthList(const QString &path);

    // Whether a query run records the person in the register: the user's own queries do.
    enum class Recording { No, Yes };
    void runQuery(Recording recording = Recording::Yes);
    void refuseQuery(const QString &message, QComboBox *focusTarget);
    QString nameToRecord() const;
    void recordPerson(const QString &name);
    void reportWhenShown(QMessageBox::Icon icon, const QString &message);
    void tellOrLog(QMessageBox::Icon icon, const QString &message);
    void pickListItem(QComboBox *picker, int index);

    // Keeps the window, frame and all, within its screen's available area, and no smaller than
    // the layout's smallest size.
    void keepOnScreen();

    void handleEnter();
    void onQueryClicked();
    void onHelpClicked();
    void onHomeLinkClicked();
    void onSpanPicked();
    void onPersonPicked(int index);
    void showDateIn(const std::array<QComboBox *, 3> &pickers, const QDate &date);
    void onChartTypeChosen(CycleChart::ChartType type);
    void onSeriesToggled(Series series);
    void applySeriesChecks();
    void onExplanationSwitched();
    void showCriticalDays();
    void showPeopleTogether();
    QMenu *furtherCyclesMenu();
    void showYearView();

    WindowServices m_services;
    bool m_ready = false;
    QString m_registerPath;
    DayQuery *m_query;
    FixedPlacesLayout *m_layout;
    // The register in memory, as the name picker lists it.
    PeopleModel *m_people;
    std::unique_ptr<RegisterStore> m_registerStore;
    bool m_registerSaved = true;
    bool m_unattended = false;
    // What happened before the window was first shown (a refused query, a register that could
    // not be read) is reported once it is on screen.
    QList<std::function<void()>> m_whenShown;
    QPointer<HelpWindow> m_help;
    QPointer<QDialog> m_criticalDays;
    QPointer<QDialog> m_peopleTogether;
    QPointer<QDialog> m_yearView;
    QList<QShortcut *> m_enterShortcuts;
    // Whether the layout's smallest size has been asked for (after the first paint).
    bool m_smallestSizeAsked = false;
};

} // namespace cyclara
