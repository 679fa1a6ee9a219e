#pragma once
// While one of these lives, files and folders the process creates are
// readable by their owner only: a file that will hold secrets is private
// from the moment it exists, not only after a later change of its mode.
// The file creation mask is process-wide, so keep the scope short.

#include <sys/stat.h>

namespace tarvin::publish {

class OwnerOnlyFiles {
public:
    OwnerOnlyFiles() : previous_(::umask(077)) {}
    ~OwnerOnlyFiles() { ::umask(previous_); }
    OwnerOnlyFiles(const OwnerOnlyFiles&) = delete;
    OwnerOnlyFiles& operator=(const OwnerOnlyFiles&) = delete;

private:
    mode_t previous_;
};

} // namespace tarvin::publish
