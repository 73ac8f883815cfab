#include "ui/pickeraccessible.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace cyclara {

namespace {

class NamedDropDown : public QAccessibleWidget {
public:
    explicit NamedDropDown(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto *box = static_cast<const QComboBox *>(widget());
        switch (kind) {
        case QAccessible::Name:
            return box->accessibleName().isEmpty() ? box->currentText() : box->accessibleName();
        case QAccessible::Value:
            return box->currentText();
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.editable = static_cast<const QComboBox *>(widget())->isEditable();
        return state;
    }
};

QAccessibleInterface *namedDropDownFactory(const QString &, QObject *object)
{
    auto *box = qobject_cast<QComboBox *>(object);
    return box ? new NamedDropDown(box) : nullptr;
}

} // namespace

void nameDropDownsByWhatTheyAre()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(&namedDropDownFactory);
        return true;
    }();
}

} // namespace cyclara
