#pragma once
// A Dialogs that answers from queues filled by the test and records every
// prompt it was shown. A prompt with no scripted answer fails the test and is
// answered as cancelled (No for a Yes/No question, OK for a message).

#include "platform/Dialogs.h"
#include "support/ScriptedQueue.h"

#include <gtest/gtest.h>

#include <deque>
#include <utility>
#include <vector>

namespace tarvin::testing {

class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Error, Warning, Information, Question, OpenFile, SaveFile, OpenPicture, ChooseFont };

    struct Call {
        Kind kind = Kind::Error;
        QString text;                // message text
        MessageIcon icon = MessageIcon::Confirmation;  // questions only
        bool withCancel = false;     // questions only
        bool okCancel = false;       // questions with OK and Cancel instead of Yes and No
        FileDialogRequest request;   // file and picture dialogs
        QFont font;                  // font dialog: the starting font
        QColor color;                // font dialog: the starting colour
    };

    // Answers, taken front first. std::nullopt stands for Cancel.
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> files;  // open, save and picture dialogs alike
    std::deque<std::optional<std::pair<QFont, QColor>>> fonts;

    std::vector<Call> calls;

    // Scripting shorthands.
    ScriptedDialogs& Answering(Answer answer) { answers.push_back(answer); return *this; }
    ScriptedDialogs& ChoosingFile(const QString& path) { files.emplace_back(path); return *this; }
    ScriptedDialogs& CancellingFile() { files.emplace_back(std::nullopt); return *this; }

    // Queries on what was asked.
    std::vector<Call> CallsOf(Kind kind) const {
        std::vector<Call> found;
        for (const Call& call : calls)
            if (call.kind == kind) found.push_back(call);
        return found;
    }
    QStringList Texts() const {
        QStringList texts;
        for (const Call& call : calls)
            if (!call.text.isEmpty()) texts << call.text;
        return texts;
    }
    bool AllAnswersUsed() const { return answers.empty() && files.empty() && fonts.empty(); }

    void Error(const QString& text) override { Message(Kind::Error, text); }
    void Warning(const QString& text) override { Message(Kind::Warning, text); }
    void Information(const QString& text) override { Message(Kind::Information, text); }

    Answer Confirm(const QString& text, bool withCancel) override {
        return Ask(MessageIcon::Confirmation, text, withCancel);
    }

    Answer Ask(MessageIcon icon, const QString& text, bool withCancel) override {
        Call call = Made(Kind::Question, text);
        call.icon = icon;
        call.withCancel = withCancel;
        calls.push_back(call);
        return NextAnswer(text, withCancel ? Answer::Cancel : Answer::No);
    }

    Answer AskNoByDefault(const QString& text) override {
        return Ask(MessageIcon::Warning, text, false);
    }

    Answer ConfirmOkCancel(const QString& text) override {
        Call call = Made(Kind::Question, text);
        call.okCancel = true;
        call.withCancel = true;
        calls.push_back(call);
        return NextAnswer(text, Answer::Cancel);
    }

    std::optional<QString> OpenFile(const FileDialogRequest& request) override {
        return File(Kind::OpenFile, request);
    }
    std::optional<QString> SaveFile(const FileDialogRequest& request) override {
        return File(Kind::SaveFile, request);
    }
    std::optional<QString> OpenPicture(const FileDialogRequest& request) override {
        return File(Kind::OpenPicture, request);
    }

    std::optional<QFont> ChooseFont(const QFont& initial, QColor* color) override {
        Call call = Made(Kind::ChooseFont);
        call.font = initial;
        if (color) call.color = *color;
        calls.push_back(call);
        if (fonts.empty()) {
            ADD_FAILURE() << "unscripted font dialog";
            return std::nullopt;
        }
        auto answer = fonts.front();
        fonts.pop_front();
        if (!answer) return std::nullopt;
        if (color) *color = answer->second;
        return answer->first;
    }

private:
    static Call Made(Kind kind, const QString& text = {}) {
        Call call;
        call.kind = kind;
        call.text = text;
        return call;
    }

    void Message(Kind kind, const QString& text) { calls.push_back(Made(kind, text)); }

    Answer NextAnswer(const QString& question, Answer unscripted) {
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted question: " << question.toStdString();
            return unscripted;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<QString> File(Kind kind, const FileDialogRequest& request) {
        Call call = Made(kind);
        call.request = request;
        calls.push_back(call);
        if (files.empty()) {
            ADD_FAILURE() << "unscripted file dialog: " << request.title.toStdString();
            return std::nullopt;
        }
        return TakeFront(files);
    }
};

} // namespace tarvin::testing
