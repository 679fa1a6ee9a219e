#pragma once
// An upload wizard over a profile store of its own and scripted dialogs,
// shown on the offscreen platform and driven with real mouse and key events.

#include "EventLoop.h"

#include "platform/ListBoxHrz.h"
#include "platform/SharedOpenDialog.h"
#include "publish/window/GlobeAnimation.h"
#include "publish/window/TfrmUpload.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace tarvin::publish::test {

using tarvin::testing::ScriptedDialogs;

// The messages' first lines: "Transfer Completed." comes with a note on the lines below.
inline QStringList FirstLines(const QStringList& texts)
{
    QStringList lines;
    for (const QString& text : texts)
        lines << text.section('\n', 0, 0);
    return lines;
}

inline void ExpectSameProfile(const ServerProfile& actual, const ServerProfile& expected)
{
    EXPECT_EQ(actual.UserName, expected.UserName);
    EXPECT_EQ(actual.PassWord, expected.PassWord);
    EXPECT_EQ(actual.HostName, expected.HostName);
    EXPECT_EQ(actual.HostDirName, expected.HostDirName);
    EXPECT_EQ(actual.Port, expected.Port);
    EXPECT_EQ(actual.Timeout, expected.Timeout);
    EXPECT_EQ(actual.Passive, expected.Passive);
    EXPECT_EQ(actual.Tls, expected.Tls);
    EXPECT_EQ(actual.CaFile, expected.CaFile);
}

class WizardTest : public ::testing::Test {
protected:
    void Open(const std::vector<std::string>& files = {})
    {
        wizard = std::make_unique<TfrmUpload>(dialogs, openDialog, store, files, records.path().toStdString());
        wizard->show();
        QApplication::setActiveWindow(wizard.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(wizard.get()));
    }

    void TearDown() override
    {
        wizard.reset();
        EXPECT_TRUE(dialogs.AllAnswersUsed());
    }

    static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QListWidgetItem* ProfileItem(const QString& name) const
    {
        const auto found = wizard->lvProfiles->findItems(name, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }

    void ClickProfile(const QString& name)
    {
        QListWidgetItem* item = ProfileItem(name);
        ASSERT_NE(item, nullptr) << name.toStdString();
        QTest::mouseClick(wizard->lvProfiles->viewport(), Qt::LeftButton, {},
                          wizard->lvProfiles->visualItemRect(item).center());
    }

    void ClickEntry(int row)
    {
        TListBoxHrz* list = wizard->lstUpload;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    // Clicks into the box, selects what it holds and types over it.
    static void Retype(QWidget* box, const QString& text)
    {
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }

    // Add, the profile's values typed and ticked into the panel, Apply.
    void AddProfile(const QString& name, const ServerProfile& profile)
    {
        Click(wizard->btnAdd);
        FillPanel(name, profile);
        Click(wizard->btnApply);
    }

    // The profile's values typed, ticked and chosen into the open panel.
    void FillPanel(const QString& name, const ServerProfile& profile)
    {
        Retype(wizard->txtProfileName, name);
        Retype(wizard->txtUserName, QString::fromStdString(profile.UserName));
        Retype(wizard->txtPassword, QString::fromStdString(profile.PassWord));
        Retype(wizard->txtHostName, QString::fromStdString(profile.HostName));
        Retype(wizard->txtInitialDir, QString::fromStdString(profile.HostDirName));
        Retype(wizard->txtPort, QString::fromStdString(profile.Port));
        Retype(wizard->updnTimeout, QString::number(profile.Timeout));
        if (wizard->chkPassive->isChecked() != profile.Passive)
            Click(wizard->chkPassive);
        ChooseSecurity(profile.Tls);
        if (profile.Tls)
            Retype(wizard->txtCaFile, QString::fromStdString(profile.CaFile));
    }

    // FTP over TLS is the first choice, plain FTP the last.
    void ChooseSecurity(bool tls)
    {
        QTest::keyClick(wizard->cbSecurity, tls ? Qt::Key_Home : Qt::Key_End);
        ASSERT_EQ(wizard->cbSecurity->currentText(), tls ? "FTP over TLS" : "Plain FTP");
    }

    QStringList ProfileNames() const
    {
        QStringList names;
        for (int row = 0; row < wizard->lvProfiles->count(); ++row)
            names << wizard->lvProfiles->item(row)->text();
        return names;
    }

    QStringList Entries() const
    {
        QStringList entries;
        for (int row = 0; row < wizard->lstUpload->count(); ++row)
            entries << wizard->lstUpload->item(row)->text();
        return entries;
    }

    // Idle: nothing on show of a transfer and the list open for editing.
    void ExpectIdle() const
    {
        EXPECT_FALSE(wizard->pnlProgress->isVisible());
        EXPECT_FALSE(wizard->Animate->Active());
        for (QWidget* control : {static_cast<QWidget*>(wizard->lstUpload), static_cast<QWidget*>(wizard->btnUpAdd),
                                 static_cast<QWidget*>(wizard->btnUpRemove), static_cast<QWidget*>(wizard->btnServers)})
            EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }

    QTemporaryDir folder;
    ProfileStore store{folder.filePath("Tarvin5.conf")};
    QTemporaryDir records;  // what "Send only changed files" goes by
    ScriptedDialogs dialogs;
    SharedOpenDialog openDialog{dialogs};
    std::unique_ptr<TfrmUpload> wizard;
};

} // namespace tarvin::publish::test
