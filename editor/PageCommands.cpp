// The document lifecycle (New, Open, the save question, closing) and the page
// commands: Save Page, Save As Template, View Page and Preview Page.

#include "assistants/TfrmTemplates.h"
#include "document/ComponentStream.h"
#include "editor/BlockList.h"
#include "editor/EditorTexts.h"
#include "editor/FirstPageStack.h"
#include "editor/MainWindow.h"
#include "editor/panels/PagePropPanel.h"
#include "editor/startup/WidgetPlacement.h"
#include "platform/CursorGuard.h"
#include "platform/Dialogs.h"
#include "platform/HtmlViewer.h"
#include "platform/TextCodec.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QSplitter>
#include <QToolButton>

namespace tarvin {

namespace {

std::string ToPath(const QString& path)
{
    return path.toStdString();
}

} // namespace

Answer TfrmMain::AskSaveQuestion()
{
    return dialogs_.Confirm(QString(texts::SaveChangesQuestion).arg(documentName_), true);
}

PageOutputContext TfrmMain::OutputContext()
{
    PageOutputContext context;
    context.programFolder = ToPath(programFolder_);
    context.showLogo = pnlPageProp->chkOstrelLogo->isChecked();
    context.storeCurrentBlock = [this] { StoreCurrentBlock(); };
    context.selectTheme = [this](const std::string& name) { SelectTheme(name); };
    context.warn = [this](const std::string& message) { dialogs_.Warning(FromDocumentText(message)); };
    context.error = [this](const std::string& message) { dialogs_.Error(FromDocumentText(message)); };
    return context;
}

void TfrmMain::StoreEditsBeforeLeaving()
{
    const std::string before = WriteComponentStream(*document_);
    const bool wasModified = modified_;
    StoreCurrentBlock();
    modified_ = wasModified || WriteComponentStream(*document_) != before;
}

void TfrmMain::mnuNewClick()
{
    StoreEditsBeforeLeaving();
    if (modified_) {
        const Answer answer = AskSaveQuestion();
        if (answer == Answer::Cancel)
            return;
        if (answer == Answer::Yes)
            mnuSaveClick();
        else
            modified_ = false;
    }
    // A save dialog that was cancelled leaves the document as it is.
    if (modified_)
        return;
    NewDocument();
    ShowCurrentBlock();
    SetDocumentName(texts::Untitled, texts::Untitled);
    SwitchToEditorMode();
}

void TfrmMain::btnChooseTemplateClick()
{
    mnuNewClick();
    if (modified_)
        return;
    if (const std::optional<QString> chosen = TfrmTemplates::Choose(openDialog_, programFolder_, this))
        LoadDocument(*chosen);
}

void TfrmMain::mnuSaveClick()
{
    FileDialogRequest request;
    request.filter = texts::HtmlFilter;
    request.defaultSuffix = "html";
    request.initialFolder = programFolder_ + texts::UploadFolder;
    const std::optional<QString> chosen = dialogs_.SaveFile(request);
    if (!chosen)
        return;
    try {
        const HourglassCursor hourglass;
        SavePage(*document_, ToPath(*chosen), OutputContext());
    } catch (const std::exception& error) {
        dialogs_.Error(FromDocumentText(error.what()));
        return;
    }
    SetDocumentName(*chosen, QFileInfo(*chosen).fileName());
    modified_ = false;
}

void TfrmMain::mnuCreateTemplateClick()
{
    FileDialogRequest request;
    request.filter = texts::TemplateFilter;
    request.defaultSuffix = "tvt";
    request.initialFolder = programFolder_ + texts::TemplatesFolder;
    const std::optional<QString> chosen = dialogs_.SaveFile(request);
    if (!chosen)
        return;
    try {
        const HourglassCursor hourglass;
        SaveTemplate(*document_, ToPath(*chosen), OutputContext());
    } catch (const std::exception& error) {
        dialogs_.Error(FromDocumentText(error.what()));
    }
}

void TfrmMain::btnCreateClick(int tag)
{
    if (tag == 0) {
        modeStack_->setCurrentWidget(Splitter);
        return;
    }
    LineList lines;
    try {
        const HourglassCursor hourglass;
        BuildPageHtml(*document_, lines, BuildOptionsFor(OutputContext(), TPathMode::pmLocal));
    } catch (const std::exception& error) {
        dialogs_.Error(FromDocumentText(error.what()));
        btnCreate->setChecked(true);
        return;
    }
    browser->Clear();
    browser->SetServerRoot(programFolder_ + "Upload");
    browser->LoadLines(lines.Entries());
    modeStack_->setCurrentWidget(pnlPreview);
}

void TfrmMain::SwitchToEditorMode()
{
    btnCreate->setChecked(true);
    btnCreateClick(0);
}

void TfrmMain::btnExternalViewClick()
{
    std::string path;
    try {
        const HourglassCursor hourglass;
        path = WriteBrowserPreview(*document_, OutputContext());
    } catch (const std::exception& error) {
        dialogs_.Error(FromDocumentText(error.what()));
        return;
    }
    OpenWithShell(QString::fromStdString(path));
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    StoreEditsBeforeLeaving();
    if (modified_) {
        const Answer answer = AskSaveQuestion();
        if (answer == Answer::Cancel) {
            event->ignore();
            return;
        }
        // The window closes whatever the save did.
        if (answer == Answer::Yes)
            mnuSaveClick();
    }
    SaveWindowPlacement(settings_, WidgetPlacement(*this, *Splitter));
    DeleteBrowserPreview(ToPath(programFolder_));
    help_.CloseAll();
    event->accept();
}

} // namespace tarvin
