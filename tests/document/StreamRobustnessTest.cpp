// The reader survives any input: mutated copies of good files either read or
// fail with a stream error, and whatever reads writes back stably. Inputs that
// once crashed the reader are kept in stream-regressions/.

#include "document/ComponentStream.h"
#include "document/DefaultPage.h"
#include "document/DocumentFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace tarvin {
namespace {

ClassRegistry Pages()
{
    ClassRegistry registry;
    registry.Register<TPagelette>();
    return registry;
}

// Reads bytes; when they read, checks that writing is stable. False on a stream error.
bool ReadsStably(const std::string& bytes)
{
    try {
        auto root = ReadComponentStream(bytes, Pages());
        const std::string once = WriteComponentStream(*root);
        EXPECT_EQ(WriteComponentStream(*ReadComponentStream(once, Pages())), once);
        return true;
    } catch (const StreamError&) {
        return false;
    }
}

std::vector<std::string> Seeds()
{
    TPagelette page;
    BuildDefaultPage(page);
    std::vector<std::string> seeds{WriteComponentStream(page)};
    page.Subject = std::string(300, 's');
    page.WebForm().Add().Strings = {"a|b|Yes", "c|d|No"};
    page.Page().Items(2).LinkBlock().DropBoxText = "http://a\tA\r\nhttp://b\tB";
    seeds.push_back(WriteComponentStream(page));
    return seeds;
}

TEST(StreamRobustness, MutatedFilesNeverCrashTheReader)
{
    std::mt19937 random(20261208);
    int read = 0, rejected = 0;
    for (const std::string& seed : Seeds()) {
        for (int round = 0; round < 4000; ++round) {
            std::string bytes = seed;
            const int edits = 1 + static_cast<int>(random() % 4);
            for (int e = 0; e < edits && !bytes.empty(); ++e) {
                const std::size_t at = random() % bytes.size();
                switch (random() % 5) {
                case 0: bytes[at] = static_cast<char>(random()); break;                    // any byte
                case 1: bytes[at] = static_cast<char>(0xFF); break;                        // huge lengths
                case 2: bytes.erase(at, 1 + random() % 8); break;                          // cut
                case 3: bytes.insert(at, 1, static_cast<char>(random() % 16)); break;      // stray tag
                case 4: bytes.insert(at, bytes.substr(at, random() % 64)); break;          // repeat a run
                }
            }
            (ReadsStably(bytes) ? read : rejected)++;
        }
    }
    EXPECT_GT(rejected, 0);
    EXPECT_GT(read, 0);
}

TEST(StreamRobustness, KeptRegressionInputsAreRejectedOrReadStably)
{
    const std::filesystem::path folder = std::filesystem::path(TARVIN_SOURCE_DIR) / "tests/document/stream-regressions";
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::string bytes;
        ASSERT_TRUE(ReadFileBytes(entry.path().string(), bytes));
        ReadsStably(bytes);  // must simply return
    }
}

TEST(StreamRobustness, LengthsLargerThanTheFileAllocateNothing)
{
    using namespace std::string_literals;
    EXPECT_FALSE(ReadsStably("TPF0\x0ATPagelette\x00\x05" "Email\x0C\xF0\xFF\xFF\xFF"s));
    EXPECT_FALSE(ReadsStably("TPF0\x0ATPagelette\x00\x04Page\x0E\x01\x0BTextBlock.X\x0C\xFF\xFF\xFF\xFF"s));
}

} // namespace
} // namespace tarvin
