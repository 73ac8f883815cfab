#pragma once

#include "register/birthregister.h"

namespace cyclara::bench {

// `count` different two- and three-character Chinese names with birth dates spread over a
// century, as a register that has been in use for a long time would hold them.
BirthRegister sampleRegister(int count);

} // namespace cyclara::bench
