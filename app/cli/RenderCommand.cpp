#include "app/cli/Commands.h"
#include "app/cli/Options.h"

#include "document/DocumentFile.h"
#include "generator/PageHtml.h"

#include <optional>
#include <ostream>

namespace tarvin::cli {

namespace {

constexpr const char* RenderUsage =
    "Usage: tarvin-cli render FILE [--mode local|relative|bare] [--program-folder DIR] [--no-logo]\n"
    "Writes the HTML that saving the page in that mode writes to a file.\n"
    "  --mode            how pictures are referred to (default: bare)\n"
    "                      local: absolute paths below the program folder\n"
    "                      relative: ../Upload/images/ and ../Upload/backgrounds/\n"
    "                      bare: file names only, as in the published copy\n"
    "  --program-folder  the working folder (default: see tarvin-cli --help)\n"
    "  --no-logo         leave out the credit block\n";

TPathMode ParseMode(const std::string& mode)
{
    if (mode == "local") return TPathMode::pmLocal;
    if (mode == "relative") return TPathMode::pmRelative;
    if (mode == "bare") return TPathMode::pmBare;
    throw UsageError("unknown mode '" + mode + "' (local, relative or bare)");
}

int Render(CommandContext& context)
{
    const auto options = ParseOptions(context.args, {"--mode", "--program-folder"}, {"--no-logo"});
    if (options.positional.size() != 1)
        throw UsageError("expects one FILE");
    const std::string& file = options.positional[0];

    PageBuildOptions build;
    build.mode = ParseMode(options.Value("--mode").value_or("bare"));
    build.programFolder = ProgramFolderOption(options, context);
    build.showLogo = !options.Flag("--no-logo");
    // A list-index error leaves a partial page: print the warning and nothing else.
    std::optional<std::string> warning;
    build.warn = [&](const std::string& message) { warning = message; };

    auto read = ReadDocument(file);
    if (!read.Ok()) {
        context.err << file << ": " << read.error << "\n";
        return 1;
    }
    LineList lines;
    try {
        BuildPageHtml(*read.document, lines, build);
    } catch (const GenerationError& e) {
        context.err << file << ": " << e.what() << "\n";
        return 1;
    }
    if (warning) {
        context.err << file << ": " << *warning << "\n";
        return 1;
    }
    const std::string text = lines.Text();
    context.out.write(text.data(), static_cast<std::streamsize>(text.size()));
    return FlushOutput(context, "render");
}

} // namespace

int RunRender(CommandContext& context) { return RunCommand(context, "render", RenderUsage, Render); }

} // namespace tarvin::cli
