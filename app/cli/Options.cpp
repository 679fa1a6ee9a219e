#include "app/cli/Options.h"

#include "app/cli/Commands.h"

namespace tarvin::cli {

std::optional<std::string> ParsedOptions::Value(const std::string& name) const
{
    std::optional<std::string> last;
    for (const auto& [key, value] : values)
        if (key == name)
            last = value;
    return last;
}

ParsedOptions ParseOptions(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                           const std::set<std::string>& flagOptions)
{
    ParsedOptions parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-' || arg == "-") {
            parsed.positional.push_back(arg);
        } else if (valueOptions.count(arg)) {
            if (i + 1 >= args.size())
                throw UsageError("option " + arg + " needs a value");
            parsed.values.emplace_back(arg, args[++i]);
        } else if (flagOptions.count(arg)) {
            parsed.flags.insert(arg);
        } else {
            throw UsageError("unknown option " + arg);
        }
    }
    return parsed;
}

bool WantsHelp(const std::vector<std::string>& args)
{
    for (const auto& arg : args)
        if (arg == "--help" || arg == "-h")
            return true;
    return false;
}

} // namespace tarvin::cli

#include <filesystem>
#include <ostream>

namespace tarvin::cli {

int RunCommand(CommandContext& context, const char* name, const char* usage, int (*body)(CommandContext&))
{
    if (WantsHelp(context.args)) {
        context.out << usage;
        return 0;
    }
    try {
        return body(context);
    } catch (const UsageError& e) {
        context.err << "tarvin-cli " << name << ": " << e.what() << " (see tarvin-cli " << name << " --help)\n";
        return 2;
    }
}

int FlushOutput(CommandContext& context, const char* name)
{
    context.out.flush();
    if (context.out)
        return 0;
    context.err << "tarvin-cli " << name << ": cannot write the output\n";
    return 1;
}

std::string FolderArgument(const std::string& folder)
{
    std::string absolute = std::filesystem::absolute(folder).lexically_normal().string();
    if (absolute.empty() || absolute.back() != '/')
        absolute += '/';
    return absolute;
}

std::string ProgramFolderOption(const ParsedOptions& options, CommandContext& context)
{
    const auto folder = options.Value("--program-folder");
    return folder ? FolderArgument(*folder) : context.workingFolder();
}

} // namespace tarvin::cli
