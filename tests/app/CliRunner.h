#pragma once
// Runs tarvin-cli as a separate process and collects what it printed.

#include <string>

namespace tarvin::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// arguments are passed through the shell: quote them as needed. Standard
// output is collected, or goes to stdoutTo (a file or device) when given.
CliResult RunCli(const std::string& arguments, const std::string& input = {}, const std::string& stdoutTo = {});
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
// A fresh temporary folder for one test, with a trailing '/'.
std::string FreshFolder(const std::string& name);

} // namespace tarvin::test
