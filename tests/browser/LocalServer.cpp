#include "LocalServer.h"

#include <array>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <fcntl.h>
#include <iterator>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvin::test {

std::optional<std::string> FindProgram(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    for (std::size_t start = 0; start <= folders.size();) {
        const auto end = std::min(folders.find(':', start), folders.size());
        const std::string candidate = folders.substr(start, end - start) + "/" + name;
        if (end > start && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return std::nullopt;
}

LocalWebServer::LocalWebServer(const std::string& folder)
{
    int output[2];
    if (::pipe(output) != 0)
        return;
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(output[1], STDOUT_FILENO);
        const int quiet = ::open("/dev/null", O_WRONLY);  // its request log
        ::dup2(quiet, STDERR_FILENO);
        ::close(output[0]);
        ::close(output[1]);
        ::execlp("python3", "python3", "-u", "-m", "http.server", "0", "--bind", "127.0.0.1", "--directory",
                 folder.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ::close(output[1]);
    // It says "Serving HTTP on 127.0.0.1 port N (...)" once it listens.
    std::string said;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (said.find(" (") == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd ready{output[0], POLLIN, 0};
        if (::poll(&ready, 1, 200) <= 0)
            continue;
        std::array<char, 256> buffer;
        const ssize_t n = ::read(output[0], buffer.data(), buffer.size());
        if (n <= 0)
            break;
        said.append(buffer.data(), static_cast<std::size_t>(n));
    }
    // Kept open: the server must not meet a closed pipe when it speaks again.
    output_ = output[0];
    const auto at = said.find(" port ");
    if (at != std::string::npos)
        port_ = std::atoi(said.c_str() + at + 6);
}

LocalWebServer::~LocalWebServer()
{
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
    ::close(output_);
}

std::string DumpDom(const std::string& chromium, const std::string& url, int virtualMilliseconds,
                    int timeoutSeconds)
{
    namespace fs = std::filesystem;
    const fs::path profile = fs::temp_directory_path() / ("tarvin-chromium-" + std::to_string(::getpid()));
    fs::remove_all(profile);
    fs::create_directories(profile);
    const fs::path dom = profile.string() + ".dom";
    const std::string command = "timeout " + std::to_string(timeoutSeconds) + " " + chromium +
        " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking"
        " --disable-component-update --disable-sync --user-data-dir=" + profile.string() +
        " --virtual-time-budget=" + std::to_string(virtualMilliseconds) + " --dump-dom '" + url + "' >" +
        dom.string() + " 2>/dev/null";
    std::system(command.c_str());
    std::ifstream in(dom, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), {}};
    fs::remove_all(profile);
    fs::remove(dom);
    return text;
}

} // namespace tarvin::test
