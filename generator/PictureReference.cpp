#include "generator/PictureReference.h"

#include "document/PictureName.h"
#include "document/TextEncoding.h"

namespace tarvin {

namespace {

// Everything but letters, digits and "-._~": a whole path segment.
bool OutsideSegment(unsigned char c)
{
    return !((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
             c == '_' || c == '~');
}

// Bytes for which needsEncoding holds become %XX. The name's own bytes are
// encoded, not a conversion of them, so the address names exactly the file
// on disk (the upload list sends it under those bytes).
template <class NeedsEncoding>
std::string PercentEncoded(std::string_view text, NeedsEncoding needsEncoding)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (needsEncoding(b)) {
            out.push_back('%');
            out.push_back(hex[b >> 4]);
            out.push_back(hex[b & 15]);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

} // namespace

std::string PictureReference(PictureFolder folder, const std::string& name, const PageBuildOptions& options)
{
    // A name with folders in it must not lead out of the picture folder.
    const std::string file = PictureFileName(name);
    // The folder names are lower case on disk, which matters on
    // case-sensitive file systems.
    const char* const subfolder = folder == PictureFolder::Images ? "Upload/images/" : "Upload/backgrounds/";
    switch (options.mode) {
    case TPathMode::pmLocal: {
        // The embedded viewer reads the path as an address: only what would
        // end the path or start an escape needs encoding there.
        const auto special = [](unsigned char b) { return b == '%' || b == '#' || b == '?'; };
        return HtmlAttribute(PercentEncoded(options.programFolder + subfolder + file, special));
    }
    case TPathMode::pmRelative:
        return "../" + (subfolder + PercentEncoded(file, OutsideSegment));
    case TPathMode::pmBare:
        break;
    }
    return PercentEncoded(file, OutsideSegment);
}

} // namespace tarvin
