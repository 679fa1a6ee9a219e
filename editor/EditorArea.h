#pragma once
// The editor panels stacked on one area, with the alignment bar kept in the
// area's top right corner above them.

#include "editor/FirstPageStack.h"

#include <QWidget>

namespace tarvin {

class EditorArea : public QWidget {
    Q_OBJECT
public:
    explicit EditorArea(QWidget* parent = nullptr);

    FirstPageStack* Panels() const { return panels_; }
    void SetAlignmentBar(QWidget* bar);
    // In front of the panel, or hidden behind it.
    void ShowAlignmentBar(bool inFront);
    bool AlignmentBarInFront() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    FirstPageStack* panels_;
    QWidget* bar_ = nullptr;
};

} // namespace tarvin
