// The real message boxes: their buttons and how they show their text.
#include "platform/QtDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>


namespace tarvin {
namespace {

// Runs show while a timer looks at the message box it opens and presses one of its buttons.
template <class Show>
QMessageBox::StandardButtons ButtonsOf(Show show, QMessageBox::StandardButton press, Qt::TextFormat* format = nullptr)
{
    QMessageBox::StandardButtons buttons;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        watcher.stop();
        buttons = box->standardButtons();
        if (format)
            *format = box->textFormat();
        QTest::mouseClick(box->button(press), Qt::LeftButton);
    });
    watcher.start(10);
    show();
    return buttons;
}

TEST(QtDialogsTest, OkCancelQuestionsAnswerOkOrCancel)
{
    QtDialogs dialogs;
    Answer answer = Answer::No;
    EXPECT_EQ(ButtonsOf([&] { answer = dialogs.ConfirmOkCancel("Save first?"); }, QMessageBox::Ok),
              QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(answer, Answer::Ok);
    ButtonsOf([&] { answer = dialogs.ConfirmOkCancel("Save first?"); }, QMessageBox::Cancel);
    EXPECT_EQ(answer, Answer::Cancel);
}

TEST(QtDialogsTest, AQuestionThatLowersTheGuardIsNotAnsweredYesByEnter)
{
    QtDialogs dialogs;
    Answer answer = Answer::Yes;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            watcher.stop();
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    watcher.start(10);
    answer = dialogs.AskNoByDefault("Trust this certificate?");
    EXPECT_EQ(answer, Answer::No);

    EXPECT_EQ(ButtonsOf([&] { answer = dialogs.AskNoByDefault("Trust this certificate?"); }, QMessageBox::Yes),
              QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(answer, Answer::Yes);
}

TEST(QtDialogsTest, TextIsNeverReadAsMarkup)
{
    // A server's reply quoted in an error must not turn into links or pictures.
    QtDialogs dialogs;
    Qt::TextFormat format = Qt::RichText;
    ButtonsOf([&] { dialogs.Warning("Error 530 <a href=\"http://x.example/\">log in here</a>"); }, QMessageBox::Ok,
              &format);
    EXPECT_EQ(format, Qt::PlainText);
}

} // namespace
} // namespace tarvin
