#pragma once
// A small parser for "--name value" and "--flag" options around positional arguments.

#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvin::cli {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ParsedOptions {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> values;  // in command-line order
    std::set<std::string> flags;

    std::optional<std::string> Value(const std::string& name) const;
    bool Flag(const std::string& name) const { return flags.count(name) != 0; }
};

// valueOptions take the next argument; flagOptions stand alone; anything
// else starting with "--" is a UsageError.
ParsedOptions ParseOptions(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                           const std::set<std::string>& flagOptions);

} // namespace tarvin::cli

namespace tarvin::cli {

struct CommandContext;

// Prints usage for --help; turns a UsageError into one line on the error
// stream with exit status 2.
int RunCommand(CommandContext& context, const char* name, const char* usage, int (*body)(CommandContext&));

// Flushes standard output: 0, or 1 with one line on the error stream when
// the output could not be written (a full disk, a closed pipe).
int FlushOutput(CommandContext& context, const char* name);

// The folder with a trailing '/', made absolute.
std::string FolderArgument(const std::string& folder);

// The folder given with --program-folder, or else the working folder.
std::string ProgramFolderOption(const ParsedOptions& options, CommandContext& context);

} // namespace tarvin::cli
