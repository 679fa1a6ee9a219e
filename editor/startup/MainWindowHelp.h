#pragma once
// The help topics of the main window's controls.

namespace tarvin {

class BlockPanel;
class HelpContexts;
struct PreviewPage;
class TfrmMain;
class WhatsThisMenu;

// Controls get What's This and F1, their labels What's This, and the block
// list and the form controls F1 only. The window's own controls first; each
// block panel's and the preview page's as they are built.
void InstallMainWindowHelp(TfrmMain& window, WhatsThisMenu& whatsThis, HelpContexts& contexts);
void InstallPreviewHelp(const PreviewPage& page, WhatsThisMenu& whatsThis, HelpContexts& contexts);
void InstallPanelHelp(BlockPanel& panel, WhatsThisMenu& whatsThis, HelpContexts& contexts);

} // namespace tarvin
