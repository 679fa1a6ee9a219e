#include "editor/BlockSummary.h"

#include "document/TextUtil.h"
#include "platform/TextCodec.h"

#include <algorithm>

namespace tarvin {

namespace {

// More than a row can show; the row elides the rest.
constexpr std::size_t MaxSummaryBytes = 120;

// The start of text, not cutting a UTF-8 character in two (which would make
// the whole piece read as another encoding).
std::string Start(const std::string& text)
{
    std::size_t cut = std::min(text.size(), MaxSummaryBytes);
    while (cut < text.size() && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.substr(0, cut);
}

// The first line that holds more than blanks, with runs of blanks made one.
QString FirstWords(const std::string& text)
{
    for (const std::string& line : SplitLines(Start(text))) {
        const QString words = FromDocumentText(line).simplified();
        if (!words.isEmpty())
            return words;
    }
    return {};
}

int NonEmptyLines(const std::string& text)
{
    int count = 0;
    for (const std::string& line : SplitLines(text))
        if (!FromDocumentText(line).trimmed().isEmpty())
            ++count;
    return count;
}

QString Counted(int count, const char* one, const char* many)
{
    return count == 0 ? QString() : count == 1 ? QString(one) : QString(many).arg(count);
}

} // namespace

QString BlockSummary(TPageItem& item, const TPagelette& document)
{
    switch (item.BlockType) {
    case TBlockType::btPageProperties: return FirstWords(item.PagePropertiesBlock().PageTitle);
    case TBlockType::btHeading: return FirstWords(item.HeadingBlock().Heading);
    case TBlockType::btImage: return FirstWords(item.ImageBlock().FileName);
    case TBlockType::btLink: {
        const TLinkBlock& link = item.LinkBlock();
        if (link.UseDropBox)
            return Counted(NonEmptyLines(link.DropBoxText), "1 link in a drop box", "%1 links in a drop box");
        const QString text = FirstWords(link.LinkText);
        return text.isEmpty() ? FirstWords(link.LinkURL) : text;
    }
    case TBlockType::btText: return FirstWords(item.TextBlock().Text);
    case TBlockType::btBullet: return Counted(NonEmptyLines(item.BulletBlock().Bullets), "1 bullet", "%1 bullets");
    case TBlockType::btHR: return QString("%1% wide").arg(item.HRBlock().Width);
    case TBlockType::btForms: return Counted(document.WebForm().Count(), "1 field", "%1 fields");
    }
    return {};
}

} // namespace tarvin
