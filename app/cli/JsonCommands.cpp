#include "app/cli/Commands.h"
#include "app/cli/Options.h"

#include "document/ComponentStream.h"
#include "document/DocumentFile.h"
#include "document/JsonForm.h"
#include "look/ThemeStore.h"

#include <fstream>
#include <iostream>
#include <streambuf>

namespace tarvin::cli {

namespace {

constexpr const char* ExportUsage =
    "Usage: tarvin-cli export FILE\n"
    "Prints a page document, template or Themes.dat as JSON on standard output.\n";

constexpr const char* ImportUsage =
    "Usage: tarvin-cli import JSON FILE\n"
    "Writes the JSON form (as printed by export; '-' reads standard input) to FILE.\n";

// About the JSON of the largest stream file the program reads.
constexpr std::uintmax_t MaxJsonFileSize = 4 * MaxStreamFileSize;

// Passes on at most limit bytes of another buffer, then reports the end of
// input and remembers that there was more.
class BoundedInput : public std::streambuf {
public:
    BoundedInput(std::streambuf& source, std::uintmax_t limit) : source_(source), left_(limit) {}
    bool Exceeded() const { return exceeded_; }

protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        const auto wanted = static_cast<std::streamsize>(std::min<std::uintmax_t>(sizeof buffer_, left_ + 1));
        const std::streamsize n = source_.sgetn(buffer_, wanted);
        if (n <= 0)
            return traits_type::eof();
        if (static_cast<std::uintmax_t>(n) > left_) {
            exceeded_ = true;
            return traits_type::eof();
        }
        left_ -= static_cast<std::uintmax_t>(n);
        setg(buffer_, buffer_, buffer_ + n);
        return traits_type::to_int_type(*gptr());
    }

private:
    std::streambuf& source_;
    std::uintmax_t left_;
    bool exceeded_ = false;
    char buffer_[65536];
};

int Export(CommandContext& context)
{
    const auto options = ParseOptions(context.args, {}, {});
    if (options.positional.size() != 1)
        throw UsageError("expects one FILE");
    const std::string& file = options.positional[0];
    std::string bytes, problem;
    if (!ReadFileBytes(file, bytes, &problem)) {
        context.err << file << ": " << problem << "\n";
        return 1;
    }
    std::unique_ptr<Component> root;
    try {
        root = ReadComponentStream(bytes, StreamFileClasses());
    } catch (const StreamError& e) {
        context.err << file << ": " << InvalidDocumentMessage << " (" << e.what() << ")\n";
        return 1;
    }
    bytes = std::string();  // the model holds it all now
    WriteComponentJson(*root, context.out);
    return FlushOutput(context, "export");
}

std::unique_ptr<Component> ReadJson(std::streambuf& source, const std::string& name, CommandContext& context)
{
    BoundedInput bounded(source, MaxJsonFileSize);
    std::istream in(&bounded);
    try {
        auto root = ReadComponentJson(in, StreamFileClasses());
        if (!in.bad())
            return root;
        context.err << name << ": cannot read the file\n";
    } catch (const JsonFormError& e) {
        if (bounded.Exceeded())
            context.err << name << ": more than " << MaxJsonFileSize / (1024 * 1024) << " MiB of JSON, "
                        << "more than any stream file the program reads\n";
        else
            context.err << name << ": " << e.what() << "\n";
    }
    return nullptr;
}

int Import(CommandContext& context)
{
    const auto options = ParseOptions(context.args, {}, {});
    if (options.positional.size() != 2)
        throw UsageError("expects JSON and FILE");
    const std::string& source = options.positional[0];
    const std::string& target = options.positional[1];
    std::unique_ptr<Component> root;
    if (source == "-") {
        root = ReadJson(*std::cin.rdbuf(), source, context);
    } else {
        if (const std::string problem = InputFileProblem(source, MaxJsonFileSize); !problem.empty()) {
            context.err << source << ": " << problem << "\n";
            return 1;
        }
        std::filebuf file;
        if (!file.open(source, std::ios::in | std::ios::binary)) {
            context.err << source << ": cannot read the file\n";
            return 1;
        }
        root = ReadJson(file, source, context);
    }
    if (!root)
        return 1;
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
