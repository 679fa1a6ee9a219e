#include "platform/QtDialogs.h"

#include "platform/FileFilter.h"
#include "platform/FontColorDialog.h"
#include "platform/PicturePreview.h"

#include <QFileDialog>
#include <QMessageBox>

namespace tarvin {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Confirmation: break;
    }
    return QMessageBox::Question;
}

QMessageBox::StandardButton Show(QWidget* parent, const QString& caption, MessageIcon icon,
                                 const QString& text, QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) {
    QMessageBox box(ToQtIcon(icon), caption, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    // Texts may quote a server's reply: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void Configure(QFileDialog& dialog, const FileDialogRequest& request) {
    if (!request.title.isEmpty()) dialog.setWindowTitle(request.title);
    if (!request.initialFolder.isEmpty()) dialog.setDirectory(request.initialFolder);
    const QString filters = ToQtFilter(request.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters.split(QStringLiteral(";;")));  // the first is selected
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
}

std::optional<QString> Run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> RunOpen(QWidget* parent, const FileDialogRequest& request, bool withPreview) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (withPreview) AttachPicturePreview(dialog);
    Configure(dialog, request);
    return Run(dialog);
}

} // namespace

void QtDialogs::Error(const QString& text) {
    Show(parent_, caption_, MessageIcon::Error, text, QMessageBox::Ok);
}

void QtDialogs::Warning(const QString& text) {
    Show(parent_, caption_, MessageIcon::Warning, text, QMessageBox::Ok);
}

void QtDialogs::Information(const QString& text) {
    Show(parent_, caption_, MessageIcon::Information, text, QMessageBox::Ok);
}

Answer QtDialogs::Confirm(const QString& text, bool withCancel) {
    return Ask(MessageIcon::Confirmation, text, withCancel);
}

Answer QtDialogs::Ask(MessageIcon icon, const QString& text, bool withCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) buttons |= QMessageBox::Cancel;
    switch (Show(parent_, caption_, icon, text, buttons)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return withCancel ? Answer::Cancel : Answer::No;  // closed without a choice
    }
}

Answer QtDialogs::AskNoByDefault(const QString& text) {
    const auto pressed = Show(parent_, caption_, MessageIcon::Warning, text, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No);
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Answer QtDialogs::ConfirmOkCancel(const QString& text) {
    const auto pressed = Show(parent_, caption_, MessageIcon::Confirmation, text, QMessageBox::Ok | QMessageBox::Cancel);
    return pressed == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<QString> QtDialogs::OpenFile(const FileDialogRequest& request) {
    return RunOpen(parent_, request, false);
}

std::optional<QString> QtDialogs::OpenPicture(const FileDialogRequest& request) {
    return RunOpen(parent_, request, true);
}

std::optional<QString> QtDialogs::SaveFile(const FileDialogRequest& request) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    Configure(dialog, request);
    return Run(dialog);
}

std::optional<QFont> QtDialogs::ChooseFont(const QFont& initial, QColor* color) {
    FontColorDialog dialog(initial, color ? *color : QColor(Qt::black), parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    if (color) *color = dialog.SelectedColor();
    return dialog.SelectedFont();
}

} // namespace tarvin
