#pragma once
// The commands of tarvin-cli. Each takes the arguments after its name and
// returns the exit status; failures print one clear line on the error stream.

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace tarvin::cli {

struct CommandContext {
    std::vector<std::string> args;  // after the command name
    // The working folder, with a trailing '/': the executable's folder when
    // it is a portable program folder, otherwise the user's own, made on
    // first use. Commands call it only when --program-folder is not given.
    std::function<std::string()> workingFolder;
    std::ostream& out;
    std::ostream& err;
    int argc = 0;                   // the process's own arguments, for Qt
    char** argv = nullptr;
};

int RunRender(CommandContext& context);
int RunNew(CommandContext& context);
int RunExport(CommandContext& context);
int RunImport(CommandContext& context);
int RunPublish(CommandContext& context);
int RunProfiles(CommandContext& context);
int RunTestServer(CommandContext& context);

// True when args hold --help or -h.
bool WantsHelp(const std::vector<std::string>& args);

} // namespace tarvin::cli
