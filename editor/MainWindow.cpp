#include "editor/MainWindow.h"

#include "document/MakerAddresses.h"
#include "editor/BlockList.h"
#include "editor/BlockRows.h"
#include "editor/EditorArea.h"
#include "editor/EditorTexts.h"
#include "editor/FirstPageStack.h"
#include "editor/PaletteList.h"
#include "editor/panels/BlockPanel.h"
#include "editor/startup/AfterFirstPaint.h"
#include "editor/startup/DialogHelp.h"
#include "editor/startup/HelpContexts.h"
#include "editor/startup/HelpTopics.h"
#include "editor/startup/MainWindowHelp.h"
#include "editor/startup/SplashWindow.h"
#include "editor/startup/ThemeStoreStartup.h"
#include "editor/startup/WhatsThisMenu.h"
#include "editor/startup/WidgetPlacement.h"
#include "platform/AppTitle.h"
#include "platform/Dialogs.h"
#include "platform/ListBoxHrz.h"
#include "platform/Shell.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QSignalBlocker>
#include <QSplitter>
#include <QToolButton>

namespace tarvin {

namespace {

constexpr int MinimumWidth = 630;
constexpr int MinimumHeight = 536;

} // namespace

// FormCreate, in the start-up order: placement, document, themes, palette,
// caption. The program entry registers the file types once the window is on
// screen.
TfrmMain::TfrmMain(Dialogs& dialogs, SharedOpenDialog& openDialog, MiscDialogs& misc, const ProgramFolders& folders,
                   QSettings& settings, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      programFolder_(QString::fromStdString(folders.working)),
      resourceFolder_(QString::fromStdString(folders.resources)),
      settings_(settings),
      openDialog_(openDialog),
      linkSources_(openDialog_, misc),
      panelServices_{dialogs, openDialog_, misc, linkSources_, programFolder_},
      document_(std::make_unique<TPagelette>()),
      help_(resourceFolder_ + HelpFolderName),
      whatsThis_(new WhatsThisMenu(help_, this)),
      contexts_(new HelpContexts(help_, this))
{
    Splitter = new QSplitter;
    Splitter->setHandleWidth(3);
    Splitter->setChildrenCollapsible(false);
    Splitter->addWidget(BuildLeftPane());
    Splitter->addWidget(BuildEditorArea());
    Splitter->setStretchFactor(1, 1);
    Splitter->setSizes({250, 400});

    auto* modes = new QWidget;
    modeStack_ = new FirstPageStack(modes);
    modeStack_->addWidget(Splitter);

    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(modes, 1);
    layout->addWidget(BuildToolbar(), 0, Qt::AlignTop);
    setCentralWidget(central);
    BuildPopupMenu();
    // Never smaller than the window was designed for, nor (once all panels
    // count, below) than its controls need to show their captions whole.
    setMinimumSize(MinimumWidth, MinimumHeight);
    resize(622, 509);
    {
        WidgetPlacement placement(*this, *Splitter);
        LoadWindowPlacement(settings_, placement);
    }

    NewDocument();
    // The panel on show must belong to the item that CurrentIndex names.
    ShowCurrentBlock();
    themes_ = LoadThemeStore(programFolder_, dialogs_);
    {
        const QSignalBlocker quiet(lstPalette);
        lstPalette->setCurrentRow(0);
    }
    SetDocumentName(texts::Untitled, texts::Untitled);
    InstallMainWindowHelp(*this, *whatsThis_, *contexts_);
    // Goes with the menu, before the contexts it also uses.
    new DialogHelp(*this, *whatsThis_, *contexts_, whatsThis_);
    // The hidden panels and the preview page are built and measured once
    // the window is on screen.
    AfterFirstPaint(*this, [this] {
        Preview();
        for (int type = 0; type < static_cast<int>(panels_.size()); ++type)
            PanelFor(static_cast<TBlockType>(type));
        pnlEditor->Panels()->ConsiderAllPages();
        modeStack_->ConsiderAllPages();
        setMinimumSize(minimumSize().expandedTo(minimumSizeHint()));
    });
}

void TfrmMain::mnuHelpAboutClick()
{
    ShowAboutBox([this](const QString& address) { OpenWithShell(address); }, this);
}

// The child widgets outlive this object's own members: no signal of theirs
// may reach a handler while they are destroyed.
TfrmMain::~TfrmMain()
{
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void TfrmMain::ShowPopup(QWidget* source, QPoint position, bool onBlockList)
{
    const bool canDelete = onBlockList && lstBlocks->SelectedRow() >= 0;
    mnuDelete->setVisible(canDelete);
    popBlocks->actions().at(1)->setVisible(canDelete);  // the separator under Delete
    popBlocks->popup(source->mapToGlobal(position));
}

BlockPanel* TfrmMain::PanelFor(TBlockType type)
{
    BlockPanel*& panel = panels_.at(static_cast<std::size_t>(type));
    if (!panel)
        panel = BuildPanel(type);
    return panel;
}

const PreviewPage& TfrmMain::Preview()
{
    if (!preview_) {
        preview_ = BuildPreviewPage();
        modeStack_->addWidget(preview_->pnlPreview);
    }
    return *preview_;
}

void TfrmMain::SetDocumentName(const QString& name, const QString& shownName)
{
    documentName_ = name;
    setWindowTitle(QString(kApplicationTitle) + texts::CaptionSeparator + shownName);
}

void TfrmMain::OpenWithShell(const QString& target)
{
    if (!tarvin::OpenWithShell(target))
        dialogs_.Information(QString("%1 For help, visit %2 or write to %3.")
                                 .arg(texts::CouldNotLoadClient, maker::WebSite, maker::SupportEmail));
}

void TfrmMain::btnToggleClick()
{
    lstThemes->setVisible(btnToggle->isChecked());
    themeSpacer->setVisible(btnToggle->isChecked());
}

void TfrmMain::lstPaletteClick()
{
    if (const QListWidgetItem* row = lstPalette->currentItem())
        pendingBlockType_ = BlockTypeOfRow(row);
}

} // namespace tarvin
