#include "register/registermerge.h"

namespace cyclara {

BirthRegister mergeRegisters(const BirthRegister &ours, const BirthRegister &theirs)
{
    BirthRegister merged;
    for (const QString &name : ours.names()) {
        if (ours.editedNames().contains(name))
            merged.set(name, ours.date(name));
        else if (theirs.contains(name))
            merged.set(name, theirs.date(name));
    }
    for (const QString &name : theirs.names()) {
        if (!ours.contains(name) && !ours.removedNames().contains(name))
            merged.set(name, theirs.date(name));
    }
    return merged;
}

} // namespace cyclara
