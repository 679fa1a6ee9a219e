#include "document/DocumentFile.h"

#include "document/ComponentStream.h"
#include "document/TextUtil.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
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

std::string TooLarge(std::uintmax_t maxSize)
{
    return "larger than " + std::to_string(maxSize / (1024 * 1024)) + " MiB, more than the program reads";
}

// The file a write to path lands in: a symbolic link is followed to its
// target (also one that does not exist yet), so the link itself stays.
// Empty for a loop of links.
std::string WriteTarget(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string target(static_cast<std::size_t>(st.st_size) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size())
            return {};
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : FolderOf(path) + target;
    }
    return {};
}

// Writes bytes over an existing file without a temporary one.
bool OverwriteInPlace(const std::string& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0;
    return ::close(fd) == 0 && written;
}

} // namespace

std::string InputFileProblem(const std::string& path, std::uintmax_t maxSize)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return "cannot read the file";
    if (!S_ISREG(st.st_mode))
        return "not a regular file";
    if (static_cast<std::uintmax_t>(st.st_size) > maxSize)
        return TooLarge(maxSize);
    return {};
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string* problem)
{
    const auto fail = [&](std::string why) {
        if (problem)
            *problem = std::move(why);
        return false;
    };
    if (std::string why = InputFileProblem(path, MaxStreamFileSize); !why.empty())
        return fail(std::move(why));
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return fail("cannot read the file");
    bytes.clear();
    char buffer[65536];
    std::size_t n;
    // The file may grow while we read it.
    while (bytes.size() <= MaxStreamFileSize && (n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    if (!ok)
        return fail("cannot read the file");
    if (bytes.size() > MaxStreamFileSize)
        return fail(TooLarge(MaxStreamFileSize));
    return true;
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
    const std::string target = WriteTarget(path);
    if (target.empty())
        return false;
    const bool exists = ::access(target.c_str(), F_OK) == 0;
    // A target we could not open for writing counts as one we cannot create.
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return false;
    // A short name, so that a target name of up to 255 bytes still works.
    std::string temp = FolderOf(target) + ".tarvin-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        const bool folderReadOnly = errno == EACCES || errno == EPERM || errno == EROFS;
        return exists && folderReadOnly && OverwriteInPlace(target, bytes);
    }
    const bool written = ::fchmod(fd, ModeFor(target)) == 0 && WriteAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temp.c_str(), target.c_str()) != 0) {
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
