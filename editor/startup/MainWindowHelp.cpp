#include "editor/startup/MainWindowHelp.h"

#include "editor/BlockList.h"
#include "editor/FontMemo.h"
#include "editor/MainWindow.h"
#include "editor/PaletteList.h"
#include "editor/TrashBin.h"
#include "editor/panels/BulletPanel.h"
#include "editor/panels/FormsPanel.h"
#include "editor/panels/HRPanel.h"
#include "editor/panels/HeadingPanel.h"
#include "editor/panels/ImagePanel.h"
#include "editor/panels/LinkList.h"
#include "editor/panels/LinkPanel.h"
#include "editor/panels/PagePropPanel.h"
#include "editor/panels/TextPanel.h"
#include "editor/startup/HelpContexts.h"
#include "editor/startup/WhatsThisMenu.h"
#include "platform/HtmlViewer.h"
#include "platform/ListBoxHrz.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>

#include <vector>

namespace tarvin {

namespace {

enum class Kind {
    Control,      // What's This and F1
    Label,        // What's This
    ContextOnly,  // F1
};

struct Attachment {
    QWidget* widget;
    int topic;
    Kind kind;
};

QLabel* LabelWithText(const QWidget* root, const QString& text)
{
    for (QLabel* label : root->findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    return nullptr;
}

// The explanation under a panel's title is its first wrapped label.
QLabel* ExplanationOf(const QWidget* panel)
{
    for (QLabel* label : panel->findChildren<QLabel*>())
        if (label->wordWrap())
            return label;
    return nullptr;
}

std::vector<Attachment> MainWindowTopics(TfrmMain& w)
{
    return {
        {w.imgTrash, 15, Kind::Control},
        {w.btnParagraph, 22, Kind::Control},
        {w.lstBlocks, 54, Kind::ContextOnly},
        {w.lstPalette, 55, Kind::Control},
        {w.btnLeft, 103, Kind::Control},
        {w.btnCenter, 104, Kind::Control},
        {w.btnRight, 105, Kind::Control},
    };
}

std::vector<Attachment> PanelTopics(BlockPanel& panel)
{
    switch (panel.Type()) {
    case TBlockType::btPageProperties: {
        const auto& page = static_cast<const PagePropPanel&>(panel);
        return {
            {page.txtPageTitle, 10, Kind::Control},
            {page.chkLinkUnderline, 11, Kind::Control},
            {page.lstMeta, 12, Kind::Control},
            {LabelWithText(&page, "Name"), 13, Kind::Label},
            {LabelWithText(&page, "Content"), 14, Kind::Label},
        };
    }
    case TBlockType::btHeading: return {{static_cast<const HeadingPanel&>(panel).txtHeading, 26, Kind::Control}};
    case TBlockType::btImage: {
        const auto& image = static_cast<const ImagePanel&>(panel);
        return {
            {image.cbImageAlign, 16, Kind::Control}, {image.txtImageW, 17, Kind::Control},
            {image.txtImageH, 18, Kind::Control},    {image.txtImageFile, 19, Kind::Control},
            {image.sboxImages, 20, Kind::Control},   {image.imgImageView, 20, Kind::Control},
            {image.txtImageAlt, 21, Kind::Control},  {image.txtImageLink, 31, Kind::Control},
        };
    }
    case TBlockType::btLink: {
        const auto& link = static_cast<const LinkPanel&>(panel);
        return {
            {link.chkEmail, 27, Kind::Control},       {link.txtLinkText, 28, Kind::Control},
            {link.txtLinkAddress, 29, Kind::Control}, {link.chkLink, 33, Kind::Control},
            {link.lstLinks, 34, Kind::Control},
        };
    }
    case TBlockType::btText:
        return {{ExplanationOf(&panel), 35, Kind::Label},
                {static_cast<const TextPanel&>(panel).txtText, 35, Kind::Control}};
    case TBlockType::btBullet:
        return {{static_cast<const BulletPanel&>(panel).cbBullets, 48, Kind::Control},
                {ExplanationOf(&panel), 49, Kind::Label}};
    case TBlockType::btHR: {
        const auto& line = static_cast<const HRPanel&>(panel);
        return {
            {LabelWithText(&line, "How thick is this line?"), 50, Kind::Label},
            {line.cbHR, 50, Kind::Control},
            {LabelWithText(&line, "How wide is this line? (% Percentage)"), 51, Kind::Label},
            {line.updnHRWidth, 51, Kind::Control},
            {LabelWithText(&line, "Do you want to remove the line shading?"), 190, Kind::Label},
            {line.chkNoShade, 190, Kind::Control},
        };
    }
    case TBlockType::btForms: {
        const auto& forms = static_cast<const FormsPanel&>(panel);
        return {
            {forms.txtFormAddress, 200, Kind::ContextOnly}, {forms.txtFormSubject, 200, Kind::ContextOnly},
            {forms.txtFormURL, 200, Kind::ContextOnly},     {forms.lvForms, 200, Kind::ContextOnly},
            {forms.btnFormOptions, 202, Kind::ContextOnly}, {forms.btnFormBasic, 203, Kind::ContextOnly},
        };
    }
    }
    return {};
}

void Install(const std::vector<Attachment>& topics, const QWidget& root, WhatsThisMenu& whatsThis,
             HelpContexts& contexts)
{
    const QList<QLabel*> labels = root.findChildren<QLabel*>();
    for (const Attachment& a : topics) {
        // A label the window no longer has is left without help.
        if (!a.widget)
            continue;
        if (a.kind != Kind::ContextOnly)
            whatsThis.Attach(a.widget, a.topic);
        if (a.kind != Kind::Label)
            contexts.Set(a.widget, a.topic);
        // The label that names a control explains the same thing.
        if (a.kind == Kind::Control)
            for (QLabel* label : labels)
                if (label->buddy() == a.widget)
                    whatsThis.Attach(label, a.topic);
    }
}

} // namespace

void InstallMainWindowHelp(TfrmMain& window, WhatsThisMenu& whatsThis, HelpContexts& contexts)
{
    Install(MainWindowTopics(window), window, whatsThis, contexts);
}

void InstallPreviewHelp(const PreviewPage& page, WhatsThisMenu& whatsThis, HelpContexts& contexts)
{
    Install({{page.lstThemes, 66, Kind::Control}, {page.browser, 76, Kind::Control}}, *page.pnlPreview, whatsThis,
            contexts);
}

void InstallPanelHelp(BlockPanel& panel, WhatsThisMenu& whatsThis, HelpContexts& contexts)
{
    Install(PanelTopics(panel), panel, whatsThis, contexts);
}

} // namespace tarvin
