// tarvin-cli test-server: the profile panel's "Test" from the command line.
#include "app/cli/Commands.h"
#include "app/cli/Options.h"
#include "app/cli/ServerOptions.h"

#include "publish/ConnectionTest.h"

#include <memory>
#include <ostream>

namespace tarvin::cli {

namespace {

constexpr const char* TestServerUsage =
    "Usage: tarvin-cli test-server --host H [--port P] --user U [--password-env VAR] [--dir D] [OPTIONS]\n"
    "       tarvin-cli test-server --profile NAME [OPTIONS]\n"
    "Tests a server step by step: connect, secure the connection (with --tls), log in, open the\n"
    "folder, store a small file, check its size, delete it, disconnect. Each step's outcome is\n"
    "printed, with what to try when it fails. The exit status is 0 only when every step passed.\n"
    "  --profile         test a stored server profile instead of the server options\n"
    "Options:\n"
    "  --create-dir      create a missing remote folder and its parents (otherwise the test stops)\n"
    "  --trace           print the FTP conversation (the password is hidden)\n"
    "Server options:\n";

int TestServer(CommandContext& context)
{
    std::set<std::string> values = ServerValueOptions, flags = ServerFlagOptions;
    values.insert("--profile");
    flags.insert({"--create-dir", "--trace"});
    const auto options = ParseOptions(context.args, values, flags);
    if (!options.positional.empty())
        throw UsageError("takes no FILE");
    std::optional<std::string> profileName;
    const publish::ServerProfile profile = ChosenProfile(options, profileName);

    const auto application = EventLoopApplication(context);
    publish::TFtpClient ftp;
    CliPrompts prompts(context, ftp, options, profileName);
    publish::ConnectionTest test(ftp, prompts);
    bool passed = false;
    test.OnStep = [&context](const publish::TestStep& step) {
        // Outcomes hold server text, shown safely already.
        context.out << (step.passed ? "PASS  " : "FAIL  ") << step.title << ": " << step.outcome << "\n";
        if (!step.passed)
            context.out << "      Try: " << step.advice << "\n";
    };
    test.OnFinished = [&](bool allPassed) {
        passed = allPassed;
        context.out << (allPassed ? "Every step passed: the server is ready for uploads.\n"
                                  : "The test failed; see the step marked FAIL.\n");
    };
    if (options.Flag("--trace"))
        TraceTo(context, ftp);
    test.Run(profile);
    RunUntilEnded(prompts);
    return passed ? 0 : 1;
}

} // namespace

int RunTestServer(CommandContext& context)
{
    static const std::string usage = std::string(TestServerUsage) + ServerOptionsUsage;
    return RunCommand(context, "test-server", usage.c_str(), TestServer);
}

} // namespace tarvin::cli
