// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window. The flow of one query:
//   pickers (birth date, query date, span; a picked name fills the birth date)
//     -> runQuery(): checks the dates, builds the day table (model/daytable.h)
//     -> m_dayTable (the day table model) gets the days; chart draws it, with the series the
//        check boxes choose
//     -> showDayStatus() fills prompt and the explanation panel for the query day;
//        clicking a day of the chart shows that day the same way.
// The register (m_people) is read from m_registerPath in loadStep() and written back in
// closeEvent(); each query run of the user's that passes its checks records the person in it.

#include "chart/cyclechart.h"
#include "register/birthregister.h"
#include "ui/helpwindow.h"
#include "ui/windowcontrols.h"
#include "ui/windowservices.h"

#include <QDate>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QShortcut;

namespace cyclara {

class DayTableModel;
class PeopleModel;
class RegisterStore;

class BiorhythmWindow : public QWidget, public WindowControls {
    Q_OBJECT
public:
    explicit BiorhythmWindow(WindowServices m_services = {}, QWidget *parent = nullptr);
    ~BiorhythmWindow() override;

    // Whether a day shown is told in the prompt line too: not for the query run's own showing of
    // the query date, which keeps the run's prompt.
    enum class PromptLine { Keep, Tell };
    // Shows day `day` of the table (counted from 0) in the status panel and, unless told to keep
    // it, the prompt line, under `label`; screen readers hear it as the chart's description.
    void showDayStatus(int day, const QString &label, PromptLine promptLine = PromptLine::Tell);
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

    // The table the chart shows and the status panel reads.
    const DayTableModel &days() const { return *m_dayTable; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();

    void loadStep();
    void loadBirthList(const QString &path);
    void saveBirthList(const QString &path);
    void loadDescriptionLines();

    // Whether a query run records the person in the register: the user's own queries do.
    enum class Recording { No, Yes };
    void runQuery(Recording recording = Recording::Yes);
    void refuseQuery(const QString &message, QComboBox *focusTarget);
    void showPrompt(const QString &text);
    QString nameToRecord() const;
    void recordPerson(const QString &name);
    void reportWhenShown(QMessageBox::Icon icon, const QString &message);
    void tellOrLog(QMessageBox::Icon icon, const QString &message);
    void pickListItem(QComboBox *picker, int index);

    void layOutWindow();
    // Keeps the window, frame and all, within its screen's available area, and no smaller than
    // m_smallestSize.
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
    void onDayPicked(Series series, int day);
    void onPlotActivated();
    // Shows `day`, counted from 0, as a click on it does.
    void showDay(int day);
    void showCriticalDays();
    // Shows the day `step` days from the current one (stopping at the first and the last).
    void moveDay(int step);

    WindowServices m_services;
    bool m_ready = false;
    QDate m_birthDate;
    QDate m_queryDate;
    QString m_registerPath;
    QStringList m_descriptionLines;
    // The three face pictures, by band code: smiling, blushing, frowning.
    std::array<QPixmap, 3> m_bandFaces;
    DayTableModel *m_dayTable;
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
    // The name of the last accepted query, empty when it had none.
    QString m_personShown;
    QList<QShortcut *> m_enterShortcuts;
    // The smallest the window can be (smallestClientSize); invalid until the first paint asks
    // for it, empty until it is worked out just after.
    QSize m_smallestSize;
};

} // namespace cyclara
