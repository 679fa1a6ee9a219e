#include "document/DocumentFile.h"

#include "document/ComponentStream.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvin {

namespace {

ClassRegistry PageClasses()
{
    ClassRegistry registry;
    registry.Register<TPagelette>();
    return registry;
}

// The mode a new file gets: the target's own when it exists, else 0666 less the umask.
mode_t ModeFor(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bytes.clear();
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

DocumentReadResult ReadDocument(const std::string& path)
{
    DocumentReadResult result;
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        result.error = InvalidDocumentMessage;
        return result;
    }
    try {
        auto root = ReadComponentStream(bytes, PageClasses());
        result.document.reset(dynamic_cast<TPagelette*>(root.get()));
        if (result.document)
            root.release();
        else
            result.error = InvalidDocumentMessage;
    } catch (const StreamError&) {
        result.error = InvalidDocumentMessage;
    }
    return result;
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes)
{
    // A target we could not open for writing counts as one we cannot create.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        return false;
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    const bool written = ::fchmod(fd, ModeFor(path)) == 0 && WriteAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

DocumentWriteResult WriteDocument(const std::string& path, TPagelette& document)
{
    DocumentWriteResult result;
    if (!WriteFileReplacing(path, WriteComponentStream(document)))
        result.error = UnableToCreateFileMessage;
    return result;
}

bool IsTemplatePath(const std::string& path)
{
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    return dot != std::string::npos && (slash == std::string::npos || dot > slash) && path.substr(dot) == ".tvt";
}

} // namespace tarvin
