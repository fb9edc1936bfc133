#include "Companion.h"

#include <QFileInfo>

namespace help {

bool companionInstalled()
{
    const QFileInfo program(kCompanionProgram);
    return program.isFile() && program.size() > 0;
}

} // namespace help
