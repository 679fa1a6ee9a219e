#pragma once
// A list box whose horizontal scroll extent follows its widest row, so long
// rows (addresses, meta contents, file names) can be scrolled into view. Rows
// show a tab character as the start of a second column at TabWidth pixels.

#include <QListWidget>

namespace tarvin {

class TListBoxHrz : public QListWidget {
    Q_OBJECT
public:
    explicit TListBoxHrz(QWidget* parent = nullptr);
    ~TListBoxHrz() override;

    // The horizontal extent in pixels.
    int CurrentWidth() const { return currentWidth_; }
    void SetCurrentWidth(int width);
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int width);
    // The selected row, -1 for none; selecting -1 leaves none selected.
    int SelectedRow() const;
    void SelectRow(int row);

    // The text's width in the list's font (tabs measured as characters) plus 26.
    int RowWidth(const QString& text) const;

signals:
    // The selected row may have changed: by mouse, keyboard or the program.
    void selectionMoved();

protected:
    void changeEvent(QEvent* event) override;

private:
    class TabStopDelegate;

    void RowsAdded(int first, int last);
    void FitToWidestRow();

    int currentWidth_ = 0;
    int tabWidth_ = 0;
    TabStopDelegate* delegate_;
};

} // namespace tarvin
