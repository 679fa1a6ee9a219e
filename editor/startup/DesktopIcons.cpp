#include "editor/startup/DesktopIcons.h"

namespace tarvin {

namespace {

// A sheet with a folded corner, the given colour band at the top and the
// given page body below it.
QByteArray Sheet(const char* band, const char* body)
{
    return QByteArray(R"(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
  <path d="M12 4h28l12 12v44H12z" fill="#ffffff" stroke="#4a5563" stroke-width="2" stroke-linejoin="round"/>
  <path d="M40 4v12h12" fill="#dfe5ec" stroke="#4a5563" stroke-width="2" stroke-linejoin="round"/>
  <rect x="17" y="20" width="30" height="8" fill=")") + band + R"("/>
)" + body + R"(</svg>
)";
}

} // namespace

QByteArray DocumentIconSvg()
{
    return Sheet("#2f7fc1", R"(  <rect x="17" y="32" width="30" height="4" fill="#9aa5b1"/>
  <rect x="17" y="39" width="24" height="4" fill="#9aa5b1"/>
  <rect x="17" y="46" width="30" height="8" fill="#f08c1a"/>
)");
}

// Dashed outlines: the blocks of a page still to be filled in.
QByteArray TemplateIconSvg()
{
    return Sheet("#3ca05a", R"(  <rect x="17.5" y="32.5" width="29" height="8" fill="none" stroke="#3ca05a" stroke-dasharray="3 2"/>
  <rect x="17.5" y="44.5" width="29" height="10" fill="none" stroke="#3ca05a" stroke-dasharray="3 2"/>
)");
}

} // namespace tarvin
