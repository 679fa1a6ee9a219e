#pragma once
// Copying pictures into the program's working folders.

#include <QString>

namespace tarvin {

enum class CopyOutcome { Copied, AlreadyThere, Failed };

// Copies source into folder under its own name unless a file of that name is
// already there; an existing file is never replaced.
CopyOutcome CopyFileNoReplace(const QString& source, const QString& folder);

} // namespace tarvin
