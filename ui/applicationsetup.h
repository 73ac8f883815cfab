#pragma once

class QApplication;
class QTranslator;

namespace cyclara {

// What the program sets on the application before its window exists: its names, and Qt's own
// texts in Chinese (the message boxes' 确定) through `translator`, which must outlive the window.
void setUpApplication(QApplication &app, QTranslator &translator);

} // namespace cyclara
