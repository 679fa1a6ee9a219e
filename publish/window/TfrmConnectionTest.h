#pragma once
// The profile panel's connection test in a small window of its own: the
// steps of publish::ConnectionTest appear one by one as they end, each with
// its outcome and, when it failed, what to try. The test runs on the event
// loop; the window stays responsive and "Stop" ends a test under way.
//
//   TfrmConnectionTest test(dialogs, wizard);
//   test.OnTrusted = [&](const std::string& fingerprint) { ... };
//   test.Run(profile);  // shows the window; returns at once

#include "publish/ConnectionTest.h"
#include "publish/FtpClient.h"
#include "publish/window/DialogPrompts.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

class QLabel;
class QTextEdit;
class QPushButton;

namespace tarvin {

class TfrmConnectionTest : public QDialog, private DialogPrompts {
    Q_OBJECT
public:
    TfrmConnectionTest(Dialogs& dialogs, QWidget* parent);
    ~TfrmConnectionTest() override;

    // Clears what an earlier test showed, shows the window (modal to its
    // parent) and starts the test of profile.
    void Run(const publish::ServerProfile& profile);
    bool Running() const { return test_ && test_->Running(); }

    // A certificate the user trusted during the test.
    std::function<void(const std::string& fingerprint)> OnTrusted;

    QLabel* lblTestStatus;    // what the test does now, then its verdict
    QTextEdit* txtSteps;        // the steps so far, read-only
    QPushButton* btnTestClose; // "Stop" while the test runs, then "Close"

protected:
    // Escape and the title bar's close button stop a test under way first.
    void reject() override;

private:
    void ShowStep(const publish::TestStep& step);
    void Finished(bool passed);
    void Stop();

    void Progress(const std::string& label) override;
    void Busy(bool busy) override;
    void KeepFingerprint(const std::string& fingerprint) override;

    // Made anew for each test; dropping them cuts a test off.
    std::unique_ptr<publish::TFtpClient> ftp_;
    std::unique_ptr<publish::ConnectionTest> test_;
    bool trusted_ = false;  // the user trusted a certificate in this test
};

} // namespace tarvin
