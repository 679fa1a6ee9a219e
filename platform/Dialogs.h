#pragma once
// Every message box and file, picture and font dialog of the program goes
// through this interface, so that tests can answer them.

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

namespace tarvin {

enum class Answer { Ok, Yes, No, Cancel };

// The icon of a message box.
enum class MessageIcon { Error, Warning, Information, Confirmation };

struct FileDialogRequest {
    QString title;
    QString fileName;       // proposed name
    QString filter;         // "HTML Files|*.html" style, as the program's texts give it
    QString defaultSuffix;  // without the full stop
    QString initialFolder;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The four kinds of message box, with their fixed button sets.
    virtual void Error(const QString& text) = 0;                  // OK
    virtual void Warning(const QString& text) = 0;                // OK
    virtual void Information(const QString& text) = 0;            // OK
    virtual Answer Confirm(const QString& text, bool withCancel) = 0;  // Yes/No or Yes/No/Cancel
    // A question under another icon, e.g. an information box with Yes and No.
    virtual Answer Ask(MessageIcon icon, const QString& text, bool withCancel) = 0;
    // A Yes/No warning whose Yes lowers the program's guard (trusting a
    // certificate): Enter and closing the box both answer No.
    virtual Answer AskNoByDefault(const QString& text) = 0;
    // A confirmation with OK and Cancel: Answer::Ok or Answer::Cancel.
    virtual Answer ConfirmOkCancel(const QString& text) = 0;

    // An empty optional when the user cancels.
    virtual std::optional<QString> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> SaveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> OpenPicture(const FileDialogRequest& request) = 0;
    virtual std::optional<QFont> ChooseFont(const QFont& initial, QColor* color) = 0;
};

} // namespace tarvin
