#include "ui/datepickers.h"

#include <QComboBox>

namespace cyclara {

namespace {

constexpr int yearsListed = 121;

} // namespace

void fillDatePickers(const DatePickers &p, const QDate &today)
{
    // A combo box selects its first item when it gets one; the birth year keeps its text.
    const QString birthYear = p.cboYear1->currentText();
    for (int i = 0; i < yearsListed; ++i) {
        const QString year = QString::number(today.year() - i);
        p.cboYear1->addItem(year);
        p.cboYear2->addItem(year);
    }
    setPickerText(p.cboYear1, birthYear);
    for (int m = 1; m <= 12; ++m) {
        p.cboMonth1->addItem(QString::number(m));
        p.cboMonth2->addItem(QString::number(m));
    }
    for (int d = 1; d <= 31; ++d) {
        p.cboDay1->addItem(QString::number(d));
        p.cboDay2->addItem(QString::number(d));
    }
    p.cboMonth1->setCurrentIndex(0);
    p.cboDay1->setCurrentIndex(0);
    setPickerText(p.cboYear2, QString::number(today.year()));
    p.cboMonth2->setCurrentIndex(today.month() - 1);
    p.cboDay2->setCurrentIndex(today.day() - 1);
    for (int n = 3; n <= 16; ++n)
        p.cboDays->addItem(QString::number(n));
}

void setPickerText(QComboBox *picker, const QString &text)
{
    picker->setCurrentIndex(picker->findText(text, Qt::MatchExactly));
    if (picker->isEditable())
        picker->setEditText(text);
}

} // namespace cyclara
