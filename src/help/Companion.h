#pragma once

#include <QString>

namespace help {

// The optional meal-planning program that can be installed beside the data files.
inline const QString kCompanionProgram = QStringLiteral("fenrola.exe");

// Whether the companion program is installed in the working folder: a file of more than
// zero bytes (an empty one is a leftover of a failed copy, not a program).
bool companionInstalled();

} // namespace help
