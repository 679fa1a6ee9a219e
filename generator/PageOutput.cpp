#include "generator/PageOutput.h"

#include "document/DocumentFile.h"
#include "document/TextUtil.h"

#include <cstdio>

namespace tarvin {

namespace {

// Only a full stop inside the file name counts: a folder's full stop must not
// cut the path short when the chosen name has no extension.
std::string WithoutExtension(const std::string& path)
{
    return FolderOf(path) + PageNameOf(path);
}

bool WriteLines(const std::string& path, const LineList& lines)
{
    return WriteFileReplacing(path, lines.Text());
}

void WriteDocumentReporting(const std::string& path, TPagelette& page, const PageOutputContext& context)
{
    const DocumentWriteResult written = WriteDocument(path, page);
    if (!written.Ok() && context.error)
        context.error(written.error);
}

void Build(TPagelette& page, LineList& lines, const PageOutputContext& context, TPathMode mode)
{
    BuildPageHtml(page, lines, BuildOptionsFor(context, mode));
}

} // namespace

std::string PageNameOf(const std::string& chosenPath)
{
    const std::string name = ExtractFileName(chosenPath);
    return name.find('.') == std::string::npos ? name : StripExtension(name);
}

std::string PublishedNameOf(const std::string& chosenPath)
{
    return RemoveSpaces(PageNameOf(chosenPath));
}

PageBuildOptions BuildOptionsFor(const PageOutputContext& context, TPathMode mode)
{
    PageBuildOptions options;
    options.mode = mode;
    options.programFolder = context.programFolder;
    options.showLogo = context.showLogo;
    options.storeCurrentBlock = context.storeCurrentBlock;
    options.selectTheme = context.selectTheme;
    options.warn = context.warn;
    return options;
}

void SavePage(TPagelette& page, const std::string& chosenPath, const PageOutputContext& context)
{
    // The document is written before any page is built, so the visible
    // panel is stored first: otherwise its latest edits would miss the file.
    if (context.storeCurrentBlock)
        context.storeCurrentBlock();
    const std::string files = context.programFolder + "TarvinFiles/";
    const std::string pageName = PageNameOf(chosenPath);
    WriteDocumentReporting(files + pageName + ".tvd", page, context);

    LineList lines;
    Build(page, lines, context, TPathMode::pmRelative);
    if (WriteLines(files + pageName + ".html", lines))
        WriteLines(WithoutExtension(chosenPath) + ".html", lines);

    lines.Clear();
    Build(page, lines, context, TPathMode::pmBare);
    WriteLines(context.programFolder + "Upload/" + PublishedNameOf(chosenPath) + ".html", lines);
}

void SaveTemplate(TPagelette& page, const std::string& chosenPath, const PageOutputContext& context)
{
    if (context.storeCurrentBlock)
        context.storeCurrentBlock();
    WriteDocumentReporting(chosenPath, page, context);

    LineList lines;
    Build(page, lines, context, TPathMode::pmRelative);
    const std::string preview = context.programFolder + "Templates/" + PageNameOf(chosenPath) + ".html";
    if (!WriteLines(preview, lines))
        throw PageOutputError("Cannot create file \"" + preview + "\".");
}

std::string BrowserPreviewPath(const std::string& programFolder)
{
    return programFolder + "TarvinFiles/~tmp.html";
}

std::string WriteBrowserPreview(TPagelette& page, const PageOutputContext& context)
{
    LineList lines;
    Build(page, lines, context, TPathMode::pmRelative);
    const std::string path = BrowserPreviewPath(context.programFolder);
    WriteLines(path, lines);
    return path;
}

void DeleteBrowserPreview(const std::string& programFolder)
{
    std::remove(BrowserPreviewPath(programFolder).c_str());
}

} // namespace tarvin
