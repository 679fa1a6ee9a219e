#pragma once
// The program's own pictures, drawn by the build and shared: the 16x16 block
// icons, the bin pictures, the toolbar glyphs and the drag cursors.

#include "document/PageModel.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace tarvin {

// The same pixmap object for the palette, the block list and the panel head.
const QPixmap& BlockIcon(TBlockType type);

enum class BinPicture { Empty, Full };  // "TRASH_E", "TRASH_F"
const QPixmap& BinPixmap(BinPicture picture);

enum class Glyph { New, Open, SaveTemplate, CreatePage, ViewPage, SavePage, Upload, Font, Import, Browse, Favorites, Bookmarks, Add, Remove, Edit, Help,
                   AlignLeft, AlignCenter, AlignRight, Paragraph };
const QPixmap& GlyphPixmap(Glyph glyph);
QIcon GlyphIcon(Glyph glyph);

// "NEWDRAG": the palette's and the link list's drag cursor.
const QPixmap& NewDragCursor();
// The block list drags with a size-all arrow.
const QPixmap& SizeAllCursor();

} // namespace tarvin
