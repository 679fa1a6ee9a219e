// tarvin-cli: render, create, export, import and publish page documents from
// the command line, through the same code the windows use.

#include "app/cli/Commands.h"

#include "TarvinVersion.h"
#include "generator/ProgramFolders.h"

#include <csignal>
#include <filesystem>
#include <iostream>
#include <map>

namespace {

using tarvin::cli::CommandContext;

constexpr const char* Usage =
    "Usage: tarvin-cli COMMAND [ARGS]\n"
    "Commands:\n"
    "  render FILE      write the page's HTML to standard output\n"
    "  new FILE         write a new default page document\n"
    "  export FILE      print a page document, template or Themes.dat as JSON\n"
    "  import JSON FILE write the JSON form back as a stream file\n"
    "  publish FILE     upload a saved page with its pictures by FTP\n"
    "  profiles         list, add or remove server profiles\n"
    "  test-server      test a server profile step by step\n"
    "Run 'tarvin-cli COMMAND --help' for a command's options; 'tarvin-cli --version'\n"
    "prints the version.\n"
    "Pages are rendered and published from the working folder: the program's\n"
    "own folder when it holds a portable program, else the user's folder\n"
    "$XDG_DATA_HOME/Ostrel Tarvin/ (default ~/.local/share/Ostrel Tarvin/), made\n"
    "and filled with the shipped templates and data on first use.\n"
    "--program-folder DIR names another.\n";

std::string ExecutableFolder()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("./") : exe.parent_path().string() + "/";
}

// The working folder as the window finds it; a folder that cannot be made
// is reported, and the command goes on to fail on the files it needs.
std::string PreparedWorkingFolder()
{
    const tarvin::ProgramFolders folders = tarvin::LocateProgramFolders(ExecutableFolder(), tarvin::UserDataHome());
    const std::string failure = tarvin::PrepareWorkingFolder(folders);
    if (!failure.empty())
        std::cerr << "tarvin-cli: " << failure << "\n";
    return folders.working;
}

} // namespace

int main(int argc, char** argv)
{
    const std::map<std::string, int (*)(CommandContext&)> commands{
        {"render", tarvin::cli::RunRender},   {"new", tarvin::cli::RunNew},
        {"export", tarvin::cli::RunExport},   {"import", tarvin::cli::RunImport},
        {"publish", tarvin::cli::RunPublish}, {"profiles", tarvin::cli::RunProfiles},
        {"test-server", tarvin::cli::RunTestServer},
    };
    if (argc < 2) {
        std::cerr << Usage;
        return 2;
    }
    // A closed pipe is a failed write the command reports, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        std::cout << Usage;
        return 0;
    }
    if (name == "--version") {
        std::cout << "tarvin-cli (Ostrel Tarvin) " TARVIN_VERSION "\n";
        return 0;
    }
    const auto command = commands.find(name);
    if (command == commands.end()) {
        std::cerr << "tarvin-cli: unknown command '" << name << "' (see tarvin-cli --help)\n";
        return 2;
    }
    CommandContext context{std::vector<std::string>(argv + 2, argv + argc), PreparedWorkingFolder, std::cout, std::cerr,
                           argc, argv};
    try {
        return command->second(context);
    } catch (const std::exception& e) {
        std::cerr << "tarvin-cli " << name << ": " << e.what() << "\n";
        return 1;
    }
}
