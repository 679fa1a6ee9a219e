#include "app/cli/Commands.h"
#include "app/cli/Options.h"

#include "document/ComponentStream.h"
#include "document/DocumentFile.h"
#include "document/JsonForm.h"
#include "look/ThemeStore.h"

#include <fstream>
#include <iostream>

namespace tarvin::cli {

namespace {

constexpr const char* ExportUsage =
    "Usage: tarvin-cli export FILE\n"
    "Prints a page document, template or Themes.dat as JSON on standard output.\n";

constexpr const char* ImportUsage =
    "Usage: tarvin-cli import JSON FILE\n"
    "Writes the JSON form (as printed by export; '-' reads standard input) to FILE.\n";

ClassRegistry StreamClasses()
{
    ClassRegistry registry;
    registry.Register<TPagelette>();
    registry.Register<TWebTheme>();
    return registry;
}

int Export(CommandContext& context)
{
    const auto options = ParseOptions(context.args, {}, {});
    if (options.positional.size() != 1)
        throw UsageError("expects one FILE");
    const std::string& file = options.positional[0];
    std::string bytes;
    if (!ReadFileBytes(file, bytes)) {
        context.err << file << ": cannot read the file\n";
        return 1;
    }
    std::unique_ptr<Component> root;
    try {
        root = ReadComponentStream(bytes, StreamClasses());
    } catch (const StreamError& e) {
        context.err << file << ": " << InvalidDocumentMessage << " (" << e.what() << ")\n";
        return 1;
    }
    context.out << ComponentToJson(*root).dump(2) << "\n";
    context.out.flush();
    return context.out ? 0 : 1;
}

int Import(CommandContext& context)
{
    const auto options = ParseOptions(context.args, {}, {});
    if (options.positional.size() != 2)
        throw UsageError("expects JSON and FILE");
    const std::string& source = options.positional[0];
    const std::string& target = options.positional[1];
    OrderedJson json;
    try {
        if (source == "-") {
            json = OrderedJson::parse(std::cin);
        } else {
            std::ifstream in(source, std::ios::binary);
            if (!in) {
                context.err << source << ": cannot read the file\n";
                return 1;
            }
            json = OrderedJson::parse(in);
        }
    } catch (const nlohmann::json::exception& e) {
        context.err << source << ": not valid JSON (" << e.what() << ")\n";
        return 1;
    }
    std::unique_ptr<Component> root;
    try {
        root = ComponentFromJson(json, StreamClasses());
    } catch (const JsonFormError& e) {
        context.err << source << ": " << e.what() << "\n";
        return 1;
    }
    if (!WriteFileReplacing(target, WriteComponentStream(*root))) {
        context.err << target << ": " << UnableToCreateFileMessage << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int RunExport(CommandContext& context) { return RunCommand(context, "export", ExportUsage, Export); }
int RunImport(CommandContext& context) { return RunCommand(context, "import", ImportUsage, Import); }

} // namespace tarvin::cli
