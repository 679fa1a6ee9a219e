#pragma once
// The main window's second page: the page as a browser shows it, the page
// themes beside it and the buttons above. The window builds it when first
// used, or once its first picture is on screen.

class QToolButton;
class QWidget;

namespace tarvin {

class HtmlViewer;
class TListBoxHrz;

struct PreviewPage {
    QWidget* pnlPreview = nullptr;
    QToolButton* btnToggle = nullptr;
    QToolButton* btnThemeEdit = nullptr;
    QToolButton* btnExternalView = nullptr;
    TListBoxHrz* lstThemes = nullptr;
    QWidget* themeSpacer = nullptr;
    HtmlViewer* browser = nullptr;
};

} // namespace tarvin
