#pragma once
// The editor panels stacked on one area, with the alignment bar kept in the
// area's top right corner above them.

#include <QWidget>

class QStackedWidget;

namespace tarvin {

class EditorArea : public QWidget {
    Q_OBJECT
public:
    explicit EditorArea(QWidget* parent = nullptr);

    QStackedWidget* Panels() const { return panels_; }
    void SetAlignmentBar(QWidget* bar);
    // In front of the panel, or hidden behind it.
    void ShowAlignmentBar(bool inFront);
    bool AlignmentBarInFront() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QStackedWidget* panels_;
    QWidget* bar_ = nullptr;
};

} // namespace tarvin
