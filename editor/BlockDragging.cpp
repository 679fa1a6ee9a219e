// Dropping palette rows and block rows on the block list (or choosing a
// palette row with Enter), and deleting blocks with the bin or the Delete command.

#include "editor/BlockList.h"
#include "editor/EditorArea.h"
#include "editor/EditorTexts.h"
#include "editor/MainWindow.h"
#include "editor/TrashBin.h"
#include "editor/panels/FormsPanel.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QFrame>

namespace tarvin {

bool TfrmMain::HasFormsBlock() const
{
    for (const auto& item : document_->Page())
        if (item->BlockType == TBlockType::btForms)
            return true;
    return false;
}

void TfrmMain::PlaceMarker(int row)
{
    if (row <= 0) {
        shp->hide();
        return;
    }
    shp->move(shp->x(), lstBlocks->y() + lstBlocks->visualItemRect(lstBlocks->item(row)).top() + shp->height());
    shp->show();
}

bool TfrmMain::lstBlocksDragOver(DragSource source, QPoint position)
{
    if (source == DragSource::LinkList)
        return false;
    PlaceMarker(lstBlocks->indexAt(position).row());
    return true;
}

void TfrmMain::lstBlocksDragDrop(DragSource source, QPoint position)
{
    if (!lstBlocks->viewport()->rect().contains(position) || source == DragSource::LinkList)
        return;
    const int underPoint = lstBlocks->indexAt(position).row();
    DropAt(source, underPoint < 0 ? lstBlocks->count() : underPoint);
}

void TfrmMain::lstPaletteChoose()
{
    const int selected = lstBlocks->SelectedRow();
    DropAt(DragSource::Palette, selected < 0 ? lstBlocks->count() : selected + 1);
}

void TfrmMain::DropAt(DragSource source, int target)
{
    shp->hide();

    // Whatever the drop does, the panel on show goes into its own item first,
    // while CurrentIndex still names it.
    StoreCurrentBlock();
    try {
        if (source == DragSource::Palette) {
            if (pendingBlockType_ == TBlockType::btForms && HasFormsBlock()) {
                dialogs_.Information(texts::OnlyOneForm);
            } else {
                // Nothing goes above the page details.
                target = qMax(target, 1);
                lstBlocks->InsertRow(target, pendingBlockType_);
                InsertNewBlock(target, pendingBlockType_);
                ShowSummaries();
            }
        } else {
            const int dragged = lstBlocks->SelectedRow();
            if (dragged > 0 && target != lstBlocks->count() && target != 0 && target != dragged) {
                document_->Page().Move(dragged, target);
                lstBlocks->MoveRow(dragged, target);
            }
        }
    } catch (const EListError&) {
        // A position outside the page: the list and the page stay as they are now.
    }

    lstBlocks->SelectRowQuietly(target);
    if (target != lstBlocks->count())
        ShowCurrentBlock();
}

void TfrmMain::imgTrashDragDrop()
{
    mnuDeleteClick();
}

void TfrmMain::mnuDeleteClick()
{
    const int row = lstBlocks->SelectedRow();
    if (row < 0)
        return;
    if (row == 0) {
        dialogs_.Information(texts::CannotDeleteDetails);
        return;
    }
    QApplication::beep();
    if (dialogs_.Confirm(texts::ConfirmDelete, false) != Answer::Yes)
        return;

    try {
        lstBlocks->RemoveRow(row);
        if (document_->Page().Items(row).BlockType == TBlockType::btForms) {
            document_->ClearForm(false);
            pnlForms->ClearFieldRows();
        }
        document_->Page().Delete(row);
    } catch (const EListError&) {
        return;
    }
    lstBlocks->SelectRowQuietly(row - 1);
    // The deleted block's panel contents go nowhere.
    currentIndex_ = -1;
    ShowCurrentBlock();

    if (lstBlocks->count() == 1) {
        imgTrash->ShowPicture(BinPicture::Empty);
        pnlEditor->ShowAlignmentBar(false);
    } else {
        imgTrash->ShowPicture(BinPicture::Full);
    }
}

} // namespace tarvin
