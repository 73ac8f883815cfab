#include "ui/dlgbiohelp.h"

#include "data/cyclaratexts.h"
#include "ui/twips.h"
#include "ui/windowcontrols.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace cyclara {

dlgBioHelp::dlgBioHelp(QWidget *owner)
    : QDialog(owner)
    , Text1(new QPlainTextEdit(this))
{
    setWindowTitle(tr("Cyclara - 帮助信息"));
    setWindowIcon(owner->windowIcon());
    setSizeGripEnabled(true);
    setModal(false);
    // Closing discards the window; the next help request builds it afresh.
    setAttribute(Qt::WA_DeleteOnClose);

    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(controlFont());
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QString text = helpText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text1->setPlainText(text);
    Text1->setFocus();
    auto *fill = new QVBoxLayout(this);
    fill->setContentsMargins({});
    fill->addWidget(Text1);

    resize(twipsToPixels(8685), twipsToPixels(6255));
}

} // namespace cyclara
