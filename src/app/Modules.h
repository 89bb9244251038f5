#pragma once

#include <QLibrary>
#include <QString>

namespace shell {

// The parts of the program that start-up does without (the loan chart, printing) are modules of their own,
// loaded the first time they are needed and kept until the program ends.

// Loads the module file into library, unless it is already loaded, and resolves the entry by name. The file
// is looked for in the folder named by setModuleFolder, in the program's own folder (the build tree), then
// where it is installed beside the installed program. None of them having it raises an error starting with
// failure and naming every place tried.
QFunctionPointer moduleEntry(QLibrary& library, const QString& fileName, const char* entry, const QString& failure);

// A folder to look in before the program's own ones: the build tree, for tests and tools that run from
// another folder than the program.
void setModuleFolder(const QString& folder);

} // namespace shell
