// Moving data between the editor panels and the page items, new items and
// new pages, and refilling the block list after a load.

#include "document/DefaultPage.h"
#include "document/DocumentFile.h"
#include "editor/BlockList.h"
#include "editor/BlockSummary.h"
#include "editor/EditorArea.h"
#include "editor/EditorTexts.h"
#include "editor/MainWindow.h"
#include "editor/panels/BlockPanel.h"
#include "editor/panels/FormsPanel.h"
#include "editor/panels/PagePropPanel.h"
#include "platform/CursorGuard.h"
#include "platform/Dialogs.h"

#include <QFileInfo>
#include <QStackedWidget>
#include <QToolButton>

namespace tarvin {

void TfrmMain::StoreCurrentBlock()
{
    if (currentIndex_ == -1)
        return;
    try {
        TPageItem& item = document_->Page().Items(currentIndex_);
        item.BlockOnNewLine = btnParagraph->isChecked();
        // The page details item has no alignment.
        if (currentIndex_ != 0)
            item.BlockAlign = btnLeft->isChecked()     ? TBlockAlignment::baLeft
                              : btnCenter->isChecked() ? TBlockAlignment::baCenter
                                                       : TBlockAlignment::baRight;
        PanelFor(item.BlockType)->Store(item, *document_);
        lstBlocks->SetSummary(currentIndex_, BlockSummary(item, *document_));
    } catch (const EListError&) {
        // No item at CurrentIndex: nothing to store, but the store still counts.
    }
    modified_ = true;
}

void TfrmMain::ShowSummaries()
{
    for (int row = 0; row < lstBlocks->count() && row < document_->Page().Count(); ++row)
        lstBlocks->SetSummary(row, BlockSummary(document_->Page().Items(row), *document_));
}

void TfrmMain::ShowCurrentBlock()
{
    const int selected = lstBlocks->SelectedRow();
    try {
        TPageItem& item = document_->Page().Items(selected);
        btnParagraph->setChecked(item.BlockOnNewLine);
        switch (item.BlockAlign) {
        case TBlockAlignment::baLeft: btnLeft->setChecked(true); break;
        case TBlockAlignment::baCenter: btnCenter->setChecked(true); break;
        case TBlockAlignment::baRight: btnRight->setChecked(true); break;
        case TBlockAlignment::baNone: break;
        }
        BlockPanel* panel = PanelFor(item.BlockType);
        panel->Show(item, *document_);
        pnlEditor->Panels()->setCurrentWidget(panel);
        pnlEditor->ShowAlignmentBar(item.BlockAlign != TBlockAlignment::baNone);
    } catch (const EListError&) {
        // No row selected: the panel stays as it is.
    }
    currentIndex_ = selected;
}

void TfrmMain::InsertNewBlock(int position, TBlockType type)
{
    InsertNewItem(*document_, position, type);
    // The other panels are filled from the new item when its row is shown.
    if (type == TBlockType::btForms)
        pnlForms->ShowNewForm(*document_);
}

void TfrmMain::NewDocument()
{
    lstBlocks->RemoveAllRows();
    document_->ClearForm(true);
    // A forms panel still to be built starts without rows.
    if (PanelBuilt(TBlockType::btForms))
        pnlForms->ClearFieldRows();
    BuildDefaultPage(*document_);
    for (const auto& item : document_->Page())
        lstBlocks->InsertRow(lstBlocks->count(), item->BlockType);
    ShowSummaries();
    lstBlocks->SelectRowQuietly(0);
    currentIndex_ = 0;
}

void TfrmMain::RebuildBlockList()
{
    lstBlocks->RemoveAllRows();
    for (const auto& item : document_->Page()) {
        lstBlocks->InsertRow(lstBlocks->count(), item->BlockType);
        if (item->BlockType == TBlockType::btForms)
            pnlForms->AddFieldRows(document_->WebForm());
    }
    ShowSummaries();
    currentIndex_ = -1;
    lstBlocks->SelectRowQuietly(0);
    lstBlocksClick();
    pnlEditor->Panels()->setCurrentWidget(pnlPageProp);
}

void TfrmMain::lstBlocksClick()
{
    StoreCurrentBlock();
    ShowCurrentBlock();
}

void TfrmMain::LoadDocument(const QString& path)
{
    document_->Page().Clear();
    // The hourglass covers the reading, not the message about a bad file.
    DocumentReadResult read = [&] {
        const HourglassCursor hourglass;
        return ReadDocument(path.toStdString());
    }();
    if (read.Ok()) {
        document_ = std::move(read.document);
    } else {
        dialogs_.Error(QString::fromStdString(read.error));
        NewDocument();
    }
    RebuildBlockList();
    if (IsTemplatePath(path.toStdString()))
        SetDocumentName(texts::Untitled, texts::Untitled);
    else
        SetDocumentName(path, QFileInfo(path).fileName());
}

} // namespace tarvin
