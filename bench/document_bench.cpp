// Rendering a page of 10,000 blocks, and writing and reading a 10 MB page
// document, with throughput and peak memory.

#include "document/ComponentStream.h"
#include "document/DefaultPage.h"
#include "document/DocumentFile.h"
#include "generator/PageHtml.h"

#include <chrono>
#include <cstdio>

using namespace tarvin;

namespace {

double Seconds(const std::function<void()>& work, int repeat)
{
    work();  // warm up: the first run also pays for fresh memory pages
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repeat; ++i)
        work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / repeat;
}

// Resident memory now, in bytes.
double ResidentBytes()
{
    long pages = 0, resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * 4096.0;
}

void FillPage(TPagelette& page, int blocks, std::size_t paragraphBytes)
{
    BuildDefaultPage(page);
    const std::string paragraph = [&] {
        std::string text;
        while (text.size() < paragraphBytes)
            text += "The quick brown fox jumps over the lazy dog.\r\n";
        return text;
    }();
    static const TBlockType kinds[] = {TBlockType::btHeading, TBlockType::btText, TBlockType::btImage,
                                       TBlockType::btLink, TBlockType::btBullet, TBlockType::btHR};
    for (int i = 0; i < blocks; ++i) {
        const TBlockType kind = kinds[i % 6];
        TPageItem& item = InsertNewItem(page, page.Page().Count(), kind);
        switch (kind) {
        case TBlockType::btHeading:
            item.HeadingBlock().Heading = "Heading " + std::to_string(i);
            item.HeadingBlock().Attributes = "\"Arial\", 14, [Bold], [clRed]";
            item.HeadingBlock().ApplyFont = 1;
            break;
        case TBlockType::btText: item.TextBlock().Text = paragraph; break;
        case TBlockType::btImage: item.ImageBlock().FileName = "picture" + std::to_string(i) + ".jpg"; break;
        case TBlockType::btLink:
            item.LinkBlock().LinkURL = "http://example.org/" + std::to_string(i);
            item.LinkBlock().LinkText = "Link " + std::to_string(i);
            break;
        case TBlockType::btBullet: item.BulletBlock().Bullets = "one\r\ntwo\r\nthree"; break;
        default: break;
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    // "render" runs the rendering part alone, for profiling.
    const bool renderOnly = argc > 1 && std::string(argv[1]) == "render";
    {
        TPagelette page;
        FillPage(page, 10000, 400);
        std::size_t htmlBytes = 0;
        const double seconds = Seconds([&] {
            LineList lines;
            PageBuildOptions options;
            options.programFolder = "/opt/tarvin/";
            BuildPageHtml(page, lines, options);
            htmlBytes = lines.Text().size();
        }, renderOnly ? 200 : 5);
        std::printf("render 10,000 blocks: %.1f ms, %.1f MB of HTML, %.0f MB/s\n", seconds * 1e3, htmlBytes / 1e6,
                    htmlBytes / 1e6 / seconds);
    }
    if (renderOnly)
        return 0;
    const std::string path = "/tmp/tarvin-bench.tvd";
    std::size_t size = 0;
    {
        TPagelette page;
        FillPage(page, 4000, 15000);  // about 10 MB on disk
        std::string bytes;
        const double write = Seconds([&] { bytes = WriteComponentStream(page); }, 5);
        const double save = Seconds([&] { WriteDocument(path, page); }, 5);
        size = bytes.size();
        std::printf("document of %.1f MB: stream written at %.0f MB/s, saved to a file at %.0f MB/s\n", size / 1e6,
                    size / 1e6 / write, size / 1e6 / save);
    }
    // Memory first, from one read in a quiet heap: the file's bytes while
    // reading, then the open document.
    const double before = ResidentBytes();
    DocumentReadResult kept = ReadDocument(path);
    const double held = ResidentBytes() - before;
    kept = {};
    const double read = Seconds([&] { ReadDocument(path); }, 5);
    std::printf("read from the file at %.0f MB/s; the open document holds %.1f MB (%.2f x the file)\n",
                size / 1e6 / read, held / 1e6, held / size);
    std::remove(path.c_str());
}
