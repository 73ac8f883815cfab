#pragma once

namespace cyclara {

// What the program sets on the application before its window exists: its names.
void setUpApplication();

} // namespace cyclara
