#pragma once
// The gallery's two entry pictures, 32 by 32: a template and a page document.

#include "assistants/GalleryEntries.h"

#include <QIcon>

namespace tarvin {

QIcon GalleryIcon(EntryKind kind);

} // namespace tarvin
