#pragma once

#include <QString>

namespace kinvarro {

/// Where the program runs from: its build tree keeps the data files beside the
/// executable; an install keeps them in share/kinvarro and ships the desktop entry
/// and file type itself.
enum class ProgramLayout { BuildTree, Installed };

/// The program directory: where the shipped data files (language files, flags,
/// help pages, themes) are found.
struct ProgramFolder {
    QString path;
    ProgramLayout layout = ProgramLayout::BuildTree;
};

/// The executable's folder when it holds language files, otherwise
/// "../share/kinvarro" beside it when that folder exists, else the executable's folder.
ProgramFolder FindProgramFolder(const QString &executableFolder);

}  // namespace kinvarro
