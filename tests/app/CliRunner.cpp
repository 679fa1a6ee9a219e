#include "CliRunner.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvin::test {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string FreshFolder(const std::string& name)
{
    const auto folder = std::filesystem::temp_directory_path() / ("tarvin-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string() + "/";
}

CliResult RunCli(const std::string& arguments, const std::string& input, const std::string& stdoutTo)
{
    const std::string folder = FreshFolder("cli-run");
    WriteFile(folder + "in", input);
    const std::string command = std::string(TARVIN_CLI) + " " + arguments + " <" + folder + "in >" + (stdoutTo.empty() ? folder + "out" : stdoutTo) + " 2>" +
                                folder + "err";
    CliResult result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadFile(folder + "out");
    result.err = ReadFile(folder + "err");
    std::filesystem::remove_all(folder);
    return result;
}

} // namespace tarvin::test
