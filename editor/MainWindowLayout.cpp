// The main window's controls and their places.

#include "editor/BlockList.h"
#include "editor/ButtonOutline.h"
#include "editor/EditorArea.h"
#include "editor/FocusChain.h"
#include "editor/Glyphs.h"
#include "editor/MainWindow.h"
#include "editor/PaletteList.h"
#include "editor/TrashBin.h"
#include "editor/WebAddresses.h"
#include "editor/panels/BulletPanel.h"
#include "editor/panels/FormsPanel.h"
#include "editor/panels/HRPanel.h"
#include "editor/panels/HeadingPanel.h"
#include "editor/panels/ImagePanel.h"
#include "editor/panels/LinkPanel.h"
#include "editor/panels/PagePropPanel.h"
#include "editor/panels/TextPanel.h"
#include "editor/startup/MainWindowHelp.h"
#include "editor/startup/ThemeStoreStartup.h"
#include "platform/HtmlViewer.h"
#include "platform/ListBoxHrz.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolButton>

namespace tarvin {

namespace {

constexpr int PaletteWidth = 84;
constexpr int ListGap = 9;
constexpr int ToolbarWidth = 100;

QToolButton* CaptionButton(const QString& caption, const QString& hint, Glyph glyph, bool large = true)
{
    auto* button = new QToolButton;
    button->setText(caption);
    button->setToolTip(hint);
    button->setIcon(GlyphIcon(glyph));
    button->setIconSize(large ? QSize(24, 24) : QSize(16, 16));
    button->setToolButtonStyle(large ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonTextBesideIcon);
    if (!large) {
        QFont small = button->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        button->setFont(small);
    }
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

QToolButton* BarButton(Glyph glyph, const QString& hint)
{
    auto* button = new QToolButton;
    button->setIcon(GlyphIcon(glyph));
    button->setToolTip(hint);
    button->setCheckable(true);
    return button;
}

QFrame* Rule()
{
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

} // namespace

QWidget* TfrmMain::BuildLeftPane()
{
    auto* pane = new QWidget;
    pane->setObjectName("pnlPagelette");
    pane->setMinimumWidth(250);
    pane->setMaximumWidth(500);
    auto* layout = new QVBoxLayout(pane);

    btnNew = CaptionButton("New", "Start a New Page", Glyph::New);
    btnChooseTemplate = CaptionButton("Open", "Opens a Template or Tarvin File", Glyph::Open);
    btnTemplate = CaptionButton("Save As Template", "Create a template from the list below.", Glyph::SaveTemplate);
    auto* buttons = new QHBoxLayout;
    for (QToolButton* button : {btnNew, btnChooseTemplate, btnTemplate})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    layout->addWidget(Rule());
    layout->addWidget(new QLabel("Drag an item to the pagelettes list."));

    auto* lists = new QWidget;
    auto* listsLayout = new QHBoxLayout(lists);
    listsLayout->setContentsMargins(0, 0, 0, 0);
    listsLayout->setSpacing(ListGap);
    lstPalette = new PaletteList;
    lstPalette->setFixedWidth(PaletteWidth);
    lstBlocks = new BlockList;
    listsLayout->addWidget(lstPalette);
    listsLayout->addWidget(lstBlocks, 1);
    // The insertion marker sits in the gap between the two lists.
    shp = new QFrame(lists);
    shp->setGeometry(PaletteWidth + (ListGap - 5) / 2, 0, 5, 10);
    shp->setAutoFillBackground(true);
    shp->setBackgroundRole(QPalette::Highlight);
    shp->hide();
    layout->addWidget(lists, 1);

    imgTrash = new TrashBin;
    auto* bin = new QHBoxLayout;
    bin->addWidget(imgTrash);
    bin->addWidget(new QLabel("Drop to bin to delete."));
    bin->addStretch();
    layout->addLayout(bin);

    connect(btnNew, &QToolButton::clicked, this, &TfrmMain::mnuNewClick);
    connect(btnChooseTemplate, &QToolButton::clicked, this, &TfrmMain::btnChooseTemplateClick);
    connect(btnTemplate, &QToolButton::clicked, this, &TfrmMain::mnuCreateTemplateClick);
    connect(lstPalette, &QListWidget::currentRowChanged, this, &TfrmMain::lstPaletteClick);
    connect(lstPalette, &PaletteList::draggedOverItself, shp, &QWidget::hide);
    connect(lstPalette, &PaletteList::rowChosen, this, &TfrmMain::lstPaletteChoose);
    connect(lstBlocks, &BlockList::rowSelected, this, &TfrmMain::lstBlocksClick);
    connect(lstBlocks, &BlockList::mouseMovedOver, shp, &QWidget::hide);
    connect(lstBlocks, &BlockList::dragLeft, shp, &QWidget::hide);
    connect(lstBlocks, &BlockList::draggedOver, this,
            [this](DragSource source, QPoint position, bool* accept) { *accept = lstBlocksDragOver(source, position); });
    connect(lstBlocks, &BlockList::dropped, this, &TfrmMain::lstBlocksDragDrop);
    connect(imgTrash, &TrashBin::dropped, this, &TfrmMain::imgTrashDragDrop);
    lstBlocks->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstBlocks, &QWidget::customContextMenuRequested, this,
            [this](QPoint position) { ShowPopup(lstBlocks->viewport(), position, true); });
    return pane;
}

QWidget* TfrmMain::BuildEditorArea()
{
    pnlEditor = new EditorArea;
    pnlAlign = new QWidget;
    auto* bar = new QHBoxLayout(pnlAlign);
    bar->setContentsMargins(2, 2, 2, 2);
    bar->setSpacing(1);
    btnLeft = BarButton(Glyph::AlignLeft, "Left Align");
    btnCenter = BarButton(Glyph::AlignCenter, "Center Align");
    btnRight = BarButton(Glyph::AlignRight, "Right Align");
    btnParagraph = BarButton(Glyph::Paragraph, "New Line (Paragraph)");
    auto* alignment = new QButtonGroup(pnlAlign);
    for (QToolButton* button : {btnLeft, btnCenter, btnRight}) {
        alignment->addButton(button);
        bar->addWidget(button);
    }
    bar->addSpacing(6);
    bar->addWidget(btnParagraph);
    btnLeft->setChecked(true);
    btnParagraph->setChecked(true);
    pnlEditor->SetAlignmentBar(pnlAlign);
    return pnlEditor;
}

BlockPanel* TfrmMain::BuildPanel(TBlockType type)
{
    BlockPanel* panel = nullptr;
    switch (type) {
    case TBlockType::btPageProperties: {
        auto* page = new PagePropPanel(panelServices_.misc);
        connect(page->btnTheme, &QPushButton::clicked, this, [this, page] { btnThemeClick(page->btnTheme); });
        panel = page;
        break;
    }
    case TBlockType::btHeading: panel = new HeadingPanel(panelServices_.misc); break;
    case TBlockType::btImage: panel = new ImagePanel(panelServices_); break;
    case TBlockType::btLink: panel = new LinkPanel(panelServices_); break;
    case TBlockType::btText: panel = new TextPanel(panelServices_); break;
    case TBlockType::btBullet: panel = new BulletPanel(panelServices_); break;
    case TBlockType::btHR: panel = new HRPanel; break;
    case TBlockType::btForms: {
        auto* forms = new FormsPanel(panelServices_, [this]() -> TPagelette& { return *document_; });
        // The forms tab changes the page's form directly, not through a store.
        connect(forms, &FormsPanel::formChanged, this, [this] {
            modified_ = true;
            ShowSummaries();
        });
        panel = forms;
        break;
    }
    }
    pnlEditor->Panels()->addWidget(panel);
    PlaceInFocusChainBefore(*panel, *pnlAlign);
    InstallPanelHelp(*panel, *whatsThis_, *contexts_);
    return panel;
}

QWidget* TfrmMain::BuildToolbar()
{
    auto* column = new QWidget;
    // At least ToolbarWidth, and as wide as its widest caption needs in
    // whatever font the desktop uses.
    column->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(2, 4, 2, 4);
    layout->addStrut(ToolbarWidth - 4);

    pbButtons = new ButtonOutline;
    auto* large = new QVBoxLayout(pbButtons);
    large->setContentsMargins(4, 6, 4, 6);
    btnCreate = CaptionButton("Create Page", "Build your web page piece by piece", Glyph::CreatePage);
    btnPreview = CaptionButton("View Page", "Check out the work in progress", Glyph::ViewPage);
    btnSave = CaptionButton("Save Page", "Save your web page", Glyph::SavePage);
    btnUpload = CaptionButton("Send to web", "Put your web page online for everyone to see", Glyph::Upload);
    for (QToolButton* button : {btnCreate, btnPreview, btnSave, btnUpload})
        large->addWidget(button);
    pbButtons->SetFirstButton(btnCreate);
    layout->addWidget(pbButtons);

    auto* modes = new QButtonGroup(column);
    btnCreate->setCheckable(true);
    btnPreview->setCheckable(true);
    modes->addButton(btnCreate, 0);
    modes->addButton(btnPreview, 1);
    btnCreate->setChecked(true);
    connect(modes, &QButtonGroup::idClicked, this, &TfrmMain::btnCreateClick);
    connect(btnSave, &QToolButton::clicked, this, &TfrmMain::mnuSaveClick);
    connect(btnUpload, &QToolButton::clicked, this, &TfrmMain::btnUploadClick);

    layout->addSpacing(8);
    btnHelp = CaptionButton("Help", "Opens Help", Glyph::Help, false);
    btnHosting = CaptionButton("Web Hosting", "See what Ostrel can offer you!", Glyph::Upload, false);
    btnCustom = CaptionButton("Power Tools", "Click here for cool programs!", Glyph::Favorites, false);
    btnSubmit = CaptionButton("Submit Your WebSite", "Submit Your Website", Glyph::Bookmarks, false);
    for (QToolButton* button : {btnHelp, btnHosting, btnCustom, btnSubmit})
        layout->addWidget(button);
    layout->addStretch();
    connect(btnHelp, &QToolButton::clicked, this, [this] { help_.ShowContents(); });
    connect(btnHosting, &QToolButton::clicked, this, [this] { OpenWithShell(web::HostingOffer); });
    connect(btnCustom, &QToolButton::clicked, this, [this] { OpenWithShell(web::MakerProducts); });
    connect(btnSubmit, &QToolButton::clicked, this, [this] { OpenWithShell(web::SiteSubmission); });

    for (QWidget* source : {column, static_cast<QWidget*>(btnCreate), static_cast<QWidget*>(btnPreview),
                            static_cast<QWidget*>(btnSave), static_cast<QWidget*>(btnUpload)}) {
        source->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(source, &QWidget::customContextMenuRequested, this,
                [this, source](QPoint position) { ShowPopup(source, position, false); });
    }
    return column;
}

PreviewPage TfrmMain::BuildPreviewPage()
{
    PreviewPage page;
    page.pnlPreview = new QWidget;
    auto* layout = new QVBoxLayout(page.pnlPreview);
    page.btnToggle = CaptionButton("Page Themes", "Toggle Page Themes", Glyph::Favorites, false);
    page.btnToggle->setCheckable(true);
    page.btnToggle->setChecked(true);
    page.btnThemeEdit = CaptionButton("Edit Themes", "Edit Page Themes", Glyph::Edit, false);
    page.btnExternalView = CaptionButton("Preview Page", "View with default web browser", Glyph::ViewPage, false);
    auto* buttons = new QHBoxLayout;
    for (QToolButton* button : {page.btnToggle, page.btnThemeEdit, page.btnExternalView}) {
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addWidget(new QLabel("Note: To see Drop Box and No Underline Links options select the Preview Page Button above."));

    page.lstThemes = new TListBoxHrz;
    page.lstThemes->setFixedWidth(160);
    if (themes_)  // read by the window's creation, before anything shows the page
        ListThemes(*themes_, *page.lstThemes);
    page.themeSpacer = new QWidget;
    page.themeSpacer->setFixedWidth(6);
    page.browser = new HtmlViewer;
    auto* view = new QHBoxLayout;
    view->setSpacing(0);
    view->addWidget(page.lstThemes);
    view->addWidget(page.themeSpacer);
    view->addWidget(page.browser, 1);
    layout->addLayout(view, 1);

    connect(page.btnToggle, &QToolButton::clicked, this, &TfrmMain::btnToggleClick);
    connect(page.btnThemeEdit, &QToolButton::clicked, this, [this] { btnThemeClick(btnThemeEdit); });
    connect(page.lstThemes, &QListWidget::itemSelectionChanged, this, &TfrmMain::lstThemesClick);
    connect(page.btnExternalView, &QToolButton::clicked, this, &TfrmMain::btnExternalViewClick);
    // browserHotSpotClick: links in the preview go nowhere.
    connect(page.browser, &HtmlViewer::linkClicked, this, [](const QUrl&, bool* handled) { *handled = true; });
    InstallPreviewHelp(page, *whatsThis_, *contexts_);
    return page;
}

void TfrmMain::BuildPopupMenu()
{
    popBlocks = new QMenu(this);
    // The entry only names its key: a hidden entry is disabled, and its own
    // shortcut would die with it.
    mnuDelete = popBlocks->addAction("&Delete Pagelette\tDel", this, &TfrmMain::mnuDeleteClick);
    auto* deleteKey = new QShortcut(QKeySequence::Delete, lstBlocks, this, &TfrmMain::mnuDeleteClick);
    deleteKey->setContext(Qt::WidgetShortcut);
    popBlocks->addSeparator();
    mnuNew = popBlocks->addAction("&New", this, &TfrmMain::mnuNewClick);
    mnuNew->setShortcut(QKeySequence("Ctrl+N"));
    popBlocks->addSeparator();
    mnuOpen = popBlocks->addAction("&Open...", this, &TfrmMain::btnChooseTemplateClick);
    mnuOpen->setShortcut(QKeySequence("Ctrl+O"));
    popBlocks->addSeparator();
    mnuSave = popBlocks->addAction("&Save", this, &TfrmMain::mnuSaveClick);
    mnuSave->setShortcut(QKeySequence("Ctrl+S"));
    mnuCreateTemplate = popBlocks->addAction("Save &As Template", this, &TfrmMain::mnuCreateTemplateClick);
    mnuCreateTemplate->setShortcut(QKeySequence("Ctrl+T"));
    popBlocks->addSeparator();
    QMenu* help = popBlocks->addMenu("&Help");
    QAction* contents = help->addAction("&Contents", this, [this] { help_.ShowContents(); });
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    help->addAction("Ostrel &Software", this, [this] { OpenWithShell(web::MakerHome); });
    help->addAction("&Web Hosting", this, [this] { OpenWithShell(web::HostingOffer); });
    help->addAction("&About Tarvin...", this, &TfrmMain::mnuHelpAboutClick);
    popBlocks->addSeparator();
    popBlocks->addAction("&Cancel");

    // The document commands answer their keys wherever the focus is in the
    // window; F1 on a control with its own help topic opens that topic instead.
    for (QAction* action : {mnuNew, mnuOpen, mnuSave, mnuCreateTemplate, contents}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

} // namespace tarvin
