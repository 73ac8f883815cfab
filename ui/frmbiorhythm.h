#pragma once

// The main window. The flow of one query:
//   pickers (birth date, query date, span; a picked name fills the birth date)
//     -> runQuery(): checks the dates, builds the day table (model/daytable.h)
//     -> dayTable (the day table model) gets the days; MSChart1 draws it, with the series the
//        check boxes choose
//     -> ShowDayStatus() fills lblPrompt and the explanation panel for the query day;
//        clicking a day of the chart shows that day the same way.
// The register dicBirth is read from sBirthFile in loadStep() and written back in closeEvent();
// each query run that passes its checks records the person in it.

#include "register/birthregister.h"
#include "ui/dlgbiohelp.h"
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
class RegisterStore;

class frmBiorhythm : public QWidget, public WindowControls {
    Q_OBJECT
public:
    explicit frmBiorhythm(WindowServices services = {}, QWidget *parent = nullptr);
    ~frmBiorhythm() override;

    void ShowDayStatus(qint16 row, QString label);
    // Shows the registered person `name` (when there is one) on the query date `date` (when
    // valid) instead of the first person today, as a query that records nothing: a reminder's
    // click opens the window so.
    void showPersonOnDay(const QString &name, const QDate &date);

    const BirthRegister &birthRegister() const { return dicBirth; }
    // Whether the last close wrote the register (or had nothing to write).
    bool registerWasSaved() const { return registerSaved; }
    // Closes the window for a signal (SIGTERM and the like): nothing is asked, and a register
    // that cannot be saved is reported on standard error.
    void closeUnattended();
    QString birthFilePath() const { return sBirthFile; }
    dlgBioHelp *helpWindow() const { return helpDialog; }

    // The table the chart shows and the status panel reads.
    const DayTableModel &days() const { return *dayTable; }

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
    void LoadBirthList(const QString &path);
    void SaveBirthList(const QString &path);
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
    // smallestSize.
    void keepOnScreen();

    void handleEnter();
    void onCmdGoClicked();
    void onCmdHelpClicked();
    void onLblHomeClicked();
    void onCboDaysClicked();
    void onCboNameClicked(int index);
    void showDateIn(const std::array<QComboBox *, 3> &pickers, const QDate &date);
    void onOptTypeClicked(int index);
    void onChkSeriasClicked(int index);
    void onChkShowExplainClicked();
    void onChartPointSelected(int series, int dataPoint);
    void onChartPlotActivated();
    void showCriticalDays();
    // Shows the day `step` days from the current one (stopping at the first and the last).
    void moveDay(int step);

    WindowServices services;
    bool bReady = false;
    QDate dtBirth;
    QDate dtQuery;
    BirthRegister dicBirth;
    QString sBirthFile;
    QStringList sDescLines;
    // The three face pictures, by band code: smiling, blushing, frowning.
    std::array<QPixmap, 3> imgSave;
    DayTableModel *dayTable;
    std::unique_ptr<RegisterStore> birthStore;
    bool registerSaved = true;
    bool unattended = false;
    // What happened before the window was first shown (a refused query, a register that could
    // not be read) is reported once it is on screen.
    QList<std::function<void()>> whenShown;
    QPointer<dlgBioHelp> helpDialog;
    QPointer<QDialog> criticalDays;
    // The name of the last accepted query, empty when it had none.
    QString personShown;
    QList<QShortcut *> enterShortcuts;
    // The smallest the window can be (smallestClientSize); invalid until the first paint asks
    // for it, empty until it is worked out just after.
    QSize smallestSize;
};

} // namespace cyclara
