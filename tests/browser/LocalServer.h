#pragma once
// Helpers for the browser test: a plain web server on 127.0.0.1 and a
// headless Chromium run, each with bounded waits.

#include <optional>
#include <string>

namespace tarvin::test {

// The full path of a program found on PATH; nothing when it is not there.
std::optional<std::string> FindProgram(const std::string& name);

// python3's http.server serving folder on a free port of 127.0.0.1; it sends
// no character set with its pages. Stopped when this object goes.
class LocalWebServer {
public:
    explicit LocalWebServer(const std::string& folder);
    ~LocalWebServer();
    LocalWebServer(const LocalWebServer&) = delete;
    LocalWebServer& operator=(const LocalWebServer&) = delete;

    // 0 when the server did not start within its time limit.
    int Port() const { return port_; }

private:
    int pid_ = -1;
    int output_ = -1;  // the server's standard output
    int port_ = 0;
};

// Loads url in headless Chromium (a fresh profile, no network beyond the
// address, at most timeoutSeconds) and returns the page's DOM once it has
// run its scripts for virtualMilliseconds of page time.
std::string DumpDom(const std::string& chromium, const std::string& url, int virtualMilliseconds,
                    int timeoutSeconds);

} // namespace tarvin::test
