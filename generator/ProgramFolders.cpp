#include "generator/ProgramFolders.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tarvin {

namespace {

std::string WithSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string Failure(const std::string& what, const fs::path& path, const std::error_code& error)
{
    return "Cannot " + what + " " + path.string() + ": " + error.message();
}

// Copies are the user's own to change, however the shipped file is protected.
std::error_code CopyAsOwn(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    if (!error)
        fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    return error;
}

// Moves a finished copy into place (one that appeared meanwhile wins), or
// throws away a copy that failed.
std::string MoveIntoPlace(const fs::path& part, const fs::path& target, const std::error_code& copying)
{
    std::error_code ignored;
    if (copying) {
        fs::remove_all(part, ignored);
        return Failure("copy to", target, copying);
    }
    std::error_code error;
    fs::rename(part, target, error);
    if (!error)
        return {};
    fs::remove_all(part, ignored);
    return fs::exists(target, ignored) ? std::string() : Failure("make", target, error);
}

std::string SeedFile(const fs::path& shipped, const fs::path& target)
{
    std::error_code error;
    if (fs::exists(target, error) || !fs::is_regular_file(shipped, error))
        return {};
    const fs::path part = target.string() + ".part";
    return MoveIntoPlace(part, target, CopyAsOwn(shipped, part));
}

// The folder with copies of the shipped folder's files, or empty when
// nothing is shipped for it.
std::string SeedFolder(const fs::path& shipped, const fs::path& target)
{
    std::error_code error;
    if (fs::exists(target, error))
        return {};
    const fs::path part = target.string() + ".part";
    fs::remove_all(part, error);
    if (!fs::create_directory(part, error))
        return Failure("make", part, error);
    fs::directory_iterator file(shipped, error);
    // Nothing shipped: the new folder starts empty.
    if (error == std::errc::no_such_file_or_directory)
        error.clear();
    for (; !error && file != fs::directory_iterator(); file.increment(error))
        if (file->is_regular_file(error))
            error = CopyAsOwn(file->path(), part / file->path().filename());
    return MoveIntoPlace(part, target, error);
}

} // namespace

ProgramFolders PortableFolders(const std::string& folder)
{
    return {WithSlash(folder), WithSlash(folder)};
}

ProgramFolders LocateProgramFolders(const std::string& programFolder, const std::string& dataHome)
{
    const std::string folder = WithSlash(programFolder);
    const std::string working = WithSlash(dataHome) + WorkingFolderName + "/";
    std::error_code error;
    // TARVIN_INSTALLED_DATA: the installation's data folder relative to the
    // installed program file's folder, from the build's install layout.
    const fs::path installedData = fs::path(folder + TARVIN_INSTALLED_DATA).lexically_normal();
    if (fs::is_directory(installedData, error))
        return {WithSlash(installedData.string()), working, true};
    if (::access(folder.c_str(), W_OK) != 0)
        return {folder, working};
    return PortableFolders(folder);
}

std::string UserDataHome()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (!home || !home[0]) {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : "/";
    }
    return WithSlash(home) + ".local/share";
}

std::string PrepareWorkingFolder(const ProgramFolders& folders)
{
    if (folders.working == folders.resources)
        return {};
    const fs::path working = folders.working;
    const fs::path shipped = folders.resources;
    std::error_code error;
    for (const char* empty : {"Upload/images", "TarvinFiles"})
        if (fs::create_directories(working / empty, error); error)
            return Failure("make", working / empty, error);
    for (const char* folder : {"Templates", "Upload/backgrounds"})
        if (std::string failure = SeedFolder(shipped / folder, working / folder); !failure.empty())
            return failure;
    for (const char* file : {"Themes.dat", "Fields.ini", "FormMail.pl"})
        if (std::string failure = SeedFile(shipped / file, working / file); !failure.empty())
            return failure;
    return {};
}

} // namespace tarvin
