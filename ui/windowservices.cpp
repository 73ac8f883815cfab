#include "ui/windowservices.h"

#include <QDesktopServices>

namespace cyclara {

void WindowServices::showMessageBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QStringLiteral("Cyclara"), text, QMessageBox::Ok, parent);
    box.exec();
}

bool WindowServices::openInBrowser(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace cyclara
