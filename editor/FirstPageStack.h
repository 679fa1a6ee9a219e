#pragma once
// A stack of pages that, until ConsiderAllPages(), sizes its widget for the
// page on show only: the pages nobody sees yet are not measured (their
// texts laid out, their fonts loaded) before the window's first picture.
// Afterwards it sizes for its largest page, as any stacked layout does.

#include <QStackedLayout>

namespace tarvin {

class FirstPageStack : public QStackedLayout {
    Q_OBJECT
public:
    // Lays out parent, which takes ownership.
    explicit FirstPageStack(QWidget* parent);

    void ConsiderAllPages();

    QSize sizeHint() const override;
    QSize minimumSize() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

private:
    bool OnlyCurrent() const { return !allPages_ && currentWidget(); }
    void SizesChanged();

    bool allPages_ = false;
};

} // namespace tarvin
