#pragma once
// The help topics of the main window's controls.

namespace tarvin {

class BlockPanel;
class HelpContexts;
class TfrmMain;
class WhatsThisMenu;

// Controls get What's This and F1, their labels What's This, and the block
// list and the form controls F1 only. The window's own controls first; each
// block panel's as it is built.
void InstallMainWindowHelp(TfrmMain& window, WhatsThisMenu& whatsThis, HelpContexts& contexts);
void InstallPanelHelp(BlockPanel& panel, WhatsThisMenu& whatsThis, HelpContexts& contexts);

} // namespace tarvin
