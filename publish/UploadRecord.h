#pragma once
// What was last uploaded to one server folder, file by file: the size and
// SHA-256 of each file whose upload the server confirmed by its size. Kept in
// the user's data folder, one private file per host, port, user and folder,
// so that a later upload can leave out what has not changed.

#include "publish/ProfileStore.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace tarvin::publish {

struct FileDigest {
    std::int64_t size = 0;
    std::string sha256;  // lower-case hex

    bool operator==(const FileDigest&) const = default;
};

// The digest of a local file, opened by its bytes; nothing when it cannot be read.
std::optional<FileDigest> DigestOfFile(const std::string& path);

class UploadRecord {
public:
    // "<user data folder>/Ostrel Software/Tarvin/Uploads".
    static std::string DefaultFolder();

    // The record of the profile's server folder in folder. Without create it
    // is kept only when it exists already: once started, every upload keeps
    // it true. An empty folder keeps nothing.
    UploadRecord(const std::string& folder, const ServerProfile& profile, bool create);

    bool Kept() const { return !path_.empty(); }
    const std::string& Path() const { return path_; }
    std::optional<FileDigest> Find(const std::string& name) const;
    // Both write the record at once; false when it could not be written.
    bool Remember(const std::string& name, const FileDigest& digest);
    bool Forget(const std::string& name);

private:
    void Load();
    bool Save() const;

    std::string path_;
    std::string key_;  // host, port, user and folder, each on a line
    std::map<std::string, FileDigest> files_;
};

} // namespace tarvin::publish
