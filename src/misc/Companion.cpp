#include "Companion.h"

#include <QFileInfo>

namespace misc {

bool companionInstalled()
{
    const QFileInfo program(kCompanionProgram);
    return program.isFile() && program.size() > 0;
}

} // namespace misc
