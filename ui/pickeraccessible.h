#pragma once

namespace cyclara {

// Makes a screen reader name each of the window's drop-downs by what it is (出生年, 姓名, …)
// rather than by the value it shows, which is what Qt's own drop-down gives as its name on
// Linux (one without an accessible name is still named by its value). Installed once, before the
// first drop-down is made.
void nameDropDownsByWhatTheyAre();

} // namespace cyclara
