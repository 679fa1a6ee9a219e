#pragma once
// The real message boxes and file, picture and font dialogs.

#include "platform/AppTitle.h"
#include "platform/Dialogs.h"

class QWidget;

namespace tarvin {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr, QString caption = QString::fromUtf8(kApplicationTitle))
        : parent_(parent), caption_(std::move(caption)) {}

    void Error(const QString& text) override;
    void Warning(const QString& text) override;
    void Information(const QString& text) override;
    Answer Confirm(const QString& text, bool withCancel) override;
    Answer Ask(MessageIcon icon, const QString& text, bool withCancel) override;
    Answer AskNoByDefault(const QString& text) override;
    Answer ConfirmOkCancel(const QString& text) override;
    std::optional<QString> OpenFile(const FileDialogRequest& request) override;
    std::optional<QString> SaveFile(const FileDialogRequest& request) override;
    std::optional<QString> OpenPicture(const FileDialogRequest& request) override;
    // A font dialog with a Color button; *color is read as the start and
    // written only on OK.
    std::optional<QFont> ChooseFont(const QFont& initial, QColor* color) override;

private:
    QWidget* parent_;
    QString caption_;  // message boxes carry the application title
};

} // namespace tarvin
