#pragma once
// TfrmMain: the program's one long-lived window. It owns the open page
// document, shows it as a list of block rows beside a palette of block types,
// and edits the selected block in the panel of its type.

#include "document/PageModel.h"
#include "editor/DragRows.h"
#include "editor/LinkSources.h"
#include "editor/OnDemand.h"
#include "editor/PreviewPage.h"
#include "editor/panels/PanelServices.h"
#include "editor/startup/HelpSystem.h"
#include "generator/PageOutput.h"
#include "generator/ProgramFolders.h"
#include "platform/SharedOpenDialog.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QSettings;
class QSplitter;
class QToolButton;

namespace tarvin {

enum class Answer;
class BlockList;
class BlockPanel;
class BulletPanel;
class ButtonOutline;
class Dialogs;
class EditorArea;
class FirstPageStack;
class FormsPanel;
class HRPanel;
class HeadingPanel;
class HelpContexts;
class HtmlViewer;
class ImagePanel;
class LinkPanel;
class MiscDialogs;
class PagePropPanel;
class PaletteList;
class TListBoxHrz;
class TextPanel;
class TWebTheme;
class TfrmTheme;
class TrashBin;
class WhatsThisMenu;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // openDialog: the one open dialog shared by the commands that read files.
    // folders: the working folder, which every command writes below and
    // ProgramFolder() names, and the shipped help and palettes.
    // settings: the user's settings, which keep the window's placement.
    TfrmMain(Dialogs& dialogs, SharedOpenDialog& openDialog, MiscDialogs& misc, const ProgramFolders& folders,
             QSettings& settings, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // State other parts of the program read.
    TPagelette& Document() { return *document_; }
    const QString& ProgramFolder() const { return programFolder_; }
    const QString& DocumentName() const { return documentName_; }
    bool Modified() const { return modified_; }
    int CurrentIndex() const { return currentIndex_; }
    TBlockType PendingBlockType() const { return pendingBlockType_; }

    // The binding between the panels and the page items.
    void StoreCurrentBlock();
    void ShowCurrentBlock();
    void InsertNewBlock(int position, TBlockType type);
    void NewDocument();
    void RebuildBlockList();
    // Opens a page document or template, with the caption rule for templates.
    void LoadDocument(const QString& path);

    // Commands.
    void btnCreateClick(int tag);  // 0: Create Page, 1: View Page
    // "Create Page" is pressed and its click runs.
    void SwitchToEditorMode();
    void mnuNewClick();
    // Open: New first, then the template gallery.
    void btnChooseTemplateClick();
    void mnuSaveClick();
    void mnuCreateTemplateClick();
    void btnExternalViewClick();
    // "Send to web": save first if need be, then the upload wizard.
    void btnUploadClick();
    void mnuDeleteClick();
    void btnToggleClick();
    // The theme list beside the preview: the chosen theme dresses the page,
    // which is shown again at once.
    void lstThemesClick();
    // The theme editor, from "Edit Themes" (btnThemeEdit, which also refreshes
    // the preview) or "Choose Page Theme" on the page details panel.
    void btnThemeClick(const QObject* sender);
    void OpenWithShell(const QString& target);
    void mnuHelpAboutClick();

    // The palette and the block list.
    void lstPaletteClick();
    // Enter or a double-click on a palette row: the block goes in under the
    // selected row (at the end when none is), as a drop there would put it.
    void lstPaletteChoose();
    void lstBlocksClick();
    bool lstBlocksDragOver(DragSource source, QPoint position);
    // position in the block list's client (viewport) coordinates.
    void lstBlocksDragDrop(DragSource source, QPoint position);
    void imgTrashDragDrop();

    // Left pane.
    QToolButton* btnNew;
    QToolButton* btnChooseTemplate;
    QToolButton* btnTemplate;
    PaletteList* lstPalette;
    BlockList* lstBlocks;
    QFrame* shp;
    TrashBin* imgTrash;
    QSplitter* Splitter;
    // Editor area.
    EditorArea* pnlEditor;
    QWidget* pnlAlign;
    QToolButton* btnLeft;
    QToolButton* btnCenter;
    QToolButton* btnRight;
    QToolButton* btnParagraph;
    // Built when first used (PanelFor).
    OnDemand<PagePropPanel, BlockPanel> pnlPageProp{[this] { return PanelFor(TBlockType::btPageProperties); }};
    OnDemand<HeadingPanel, BlockPanel> pnlHeading{[this] { return PanelFor(TBlockType::btHeading); }};
    OnDemand<ImagePanel, BlockPanel> pnlImages{[this] { return PanelFor(TBlockType::btImage); }};
    OnDemand<LinkPanel, BlockPanel> pnlLinks{[this] { return PanelFor(TBlockType::btLink); }};
    OnDemand<TextPanel, BlockPanel> pnlText{[this] { return PanelFor(TBlockType::btText); }};
    OnDemand<BulletPanel, BlockPanel> pnlBullets{[this] { return PanelFor(TBlockType::btBullet); }};
    OnDemand<HRPanel, BlockPanel> pnlHR{[this] { return PanelFor(TBlockType::btHR); }};
    OnDemand<FormsPanel, BlockPanel> pnlForms{[this] { return PanelFor(TBlockType::btForms); }};
    // Toolbar column.
    ButtonOutline* pbButtons;
    QToolButton* btnCreate;
    QToolButton* btnPreview;
    QToolButton* btnSave;
    QToolButton* btnUpload;
    QToolButton* btnHelp;
    QToolButton* btnHosting;
    QToolButton* btnCustom;
    QToolButton* btnSubmit;
    // Preview page, built when first used (Preview).
    OnDemand<QWidget> pnlPreview{[this] { return Preview().pnlPreview; }};
    OnDemand<QToolButton> btnToggle{[this] { return Preview().btnToggle; }};
    OnDemand<QToolButton> btnThemeEdit{[this] { return Preview().btnThemeEdit; }};
    OnDemand<QToolButton> btnExternalView{[this] { return Preview().btnExternalView; }};
    OnDemand<TListBoxHrz> lstThemes{[this] { return Preview().lstThemes; }};
    OnDemand<QWidget> themeSpacer{[this] { return Preview().themeSpacer; }};
    OnDemand<HtmlViewer> browser{[this] { return Preview().browser; }};
    // Popup menu of the block list.
    QMenu* popBlocks;
    QAction* mnuDelete;
    QAction* mnuNew;
    QAction* mnuOpen;
    QAction* mnuSave;
    QAction* mnuCreateTemplate;

protected:
    // FormCloseQuery: the save question, then the preview file goes.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildLeftPane();
    QWidget* BuildEditorArea();
    QWidget* BuildToolbar();
    // The preview page, built and added to the mode stack when first asked
    // for, with the theme store's names listed.
    const PreviewPage& Preview();
    PreviewPage BuildPreviewPage();
    void BuildPopupMenu();
    void ShowPopup(QWidget* source, QPoint position, bool onBlockList);

    // The panel that edits blocks of type, built and added to the editor
    // area when first asked for.
    BlockPanel* PanelFor(TBlockType type);
    BlockPanel* BuildPanel(TBlockType type);
    bool PanelBuilt(TBlockType type) const { return panels_.at(static_cast<std::size_t>(type)) != nullptr; }
    bool HasFormsBlock() const;
    // Every row's grey line from its page item.
    void ShowSummaries();
    void PlaceMarker(int row);
    // A drop at list position target: the rules of lstBlocksDragDrop.
    void DropAt(DragSource source, int target);
    void SetDocumentName(const QString& name, const QString& shownName);
    Answer AskSaveQuestion();
    // What was typed into the panel on show reaches the page only when it is
    // stored. Before the page is left (New, Open, closing) it is stored, and
    // counts as a change only when the page came out different.
    void StoreEditsBeforeLeaving();
    PageOutputContext OutputContext();
    void SelectTheme(const std::string& themeName);
    TPagePropertiesBlock& PageDetails();
    void ApplySelectedTheme(int row);
    void ThemeEditorClosed(const TfrmTheme& editor);

    Dialogs& dialogs_;
    const QString programFolder_;
    const QString resourceFolder_;  // the shipped help and palettes
    QSettings& settings_;
    SharedOpenDialog& openDialog_;
    LinkSources linkSources_;
    PanelServices panelServices_;

    std::unique_ptr<TPagelette> document_;
    std::unique_ptr<TWebTheme> themes_;
    HelpSystem help_;
    TBlockType pendingBlockType_ = TBlockType::btHeading;
    int currentIndex_ = -1;
    QString documentName_;
    bool modified_ = false;

    FirstPageStack* modeStack_;
    std::array<BlockPanel*, 8> panels_{};
    std::optional<PreviewPage> preview_;
    WhatsThisMenu* whatsThis_;
    HelpContexts* contexts_;
};

} // namespace tarvin
