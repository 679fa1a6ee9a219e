#pragma once
// Where the program finds what it ships and where it keeps the user's work.
//
// A portable program folder (the program file beside its data, writable)
// holds both, as it always has. An installed program reads what it ships
// from the installation's data folder and works in the user's own data
// folder, which the first start makes and fills with copies of the shipped
// templates, themes, form fields and form handler. Both program entries
// decide here; everything else takes the folders they pass on.

#include <string>

namespace tarvin {

struct ProgramFolders {
    // Read only: Help/, Palettes/ and the shipped originals of what the
    // working folder is seeded with. Ends with '/'.
    std::string resources;
    // Upload/, TarvinFiles/, Templates/, Themes.dat, Fields.ini: every file
    // the program writes goes below it. Ends with '/'.
    std::string working;
    // Installed in the system's layout (by a package or cmake --install),
    // which also tells the desktop about the program.
    bool installed = false;
};

// The name of the working folder in the user's data folder.
inline constexpr const char* WorkingFolderName = "Ostrel Tarvin";

// Both in one folder, as in a portable program folder. folder ends with '/'.
ProgramFolders PortableFolders(const std::string& folder);

// programFolder: the folder of the program file, with a trailing '/'.
// dataHome: the user's data folder (UserDataHome()).
// Installed when the installation's data folder lies beside the program's
// folder. A portable program folder that cannot be written keeps its
// shipped files but works in the user's data folder too.
ProgramFolders LocateProgramFolders(const std::string& programFolder, const std::string& dataHome);

// $XDG_DATA_HOME when it is an absolute path, otherwise ~/.local/share.
std::string UserDataHome();

// When the working folder is not the program folder: makes what it lacks.
// Upload/, Upload/images/ and TarvinFiles/ start empty; Templates/ and
// Upload/backgrounds/ start as copies of the shipped folders; Themes.dat,
// Fields.ini and FormMail.pl as copies of the shipped files. What exists
// is never touched, and nothing is left half copied. A portable folder is
// left as it is. Returns empty text, or what failed.
std::string PrepareWorkingFolder(const ProgramFolders& folders);

} // namespace tarvin
