#include "publish/window/TfrmConnectionTest.h"

#include "publish/window/UploadTexts.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace tarvin {

using namespace upload_texts;

namespace {

constexpr int Width = 460;
constexpr int Height = 320;

QTextCharFormat Bold(const QColor& color = {})
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    if (color.isValid())
        format.setForeground(color);
    return format;
}

// Outcomes and advice sit under their step; wrapped lines keep the indent.
QTextBlockFormat Indented()
{
    QTextBlockFormat format;
    format.setLeftMargin(18);
    return format;
}

} // namespace

TfrmConnectionTest::TfrmConnectionTest(Dialogs& dialogs, QWidget* parent) : QDialog(parent), DialogPrompts(dialogs)
{
    setObjectName(QStringLiteral("frmConnectionTest"));
    setWindowTitle(TestCaption);
    setFixedSize(Width, Height);

    lblTestStatus = new QLabel(this);
    lblTestStatus->setObjectName(QStringLiteral("lblTestStatus"));
    lblTestStatus->setTextFormat(Qt::PlainText);
    lblTestStatus->setWordWrap(true);
    lblTestStatus->setGeometry(10, 6, Width - 20, 34);

    txtSteps = new QTextEdit(this);
    txtSteps->setObjectName(QStringLiteral("txtSteps"));
    txtSteps->setReadOnly(true);
    txtSteps->setAcceptRichText(false);
    txtSteps->setGeometry(10, 42, Width - 20, Height - 86);

    btnTestClose = new QPushButton(QStringLiteral("Close"), this);
    btnTestClose->setObjectName(QStringLiteral("btnTestClose"));
    btnTestClose->setGeometry(Width - 95, Height - 35, 85, 25);
    connect(btnTestClose, &QPushButton::clicked, this, [this] {
        if (Running())
            Stop();
        else
            accept();
    });
}

TfrmConnectionTest::~TfrmConnectionTest() = default;

void TfrmConnectionTest::Run(const publish::ServerProfile& profile)
{
    test_.reset();
    ftp_ = std::make_unique<publish::TFtpClient>();
    publish::UploadPrompts& prompts = *this;
    test_ = std::make_unique<publish::ConnectionTest>(*ftp_, prompts);
    test_->OnStep = [this](const publish::TestStep& step) { ShowStep(step); };
    test_->OnFinished = [this](bool passed) { Finished(passed); };
    trusted_ = false;
    txtSteps->clear();
    lblTestStatus->clear();
    open();
    btnTestClose->setFocus();
    test_->Run(profile);
}

// "Passed: " or "Failed: " and the step in bold, then what happened and what
// to try. The texts are the test's, with server text shown safely already;
// they go in as plain text.
void TfrmConnectionTest::ShowStep(const publish::TestStep& step)
{
    QTextCursor cursor(txtSteps->document());
    cursor.movePosition(QTextCursor::End);
    if (!txtSteps->document()->isEmpty())
        cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(step.passed ? QStringLiteral("Passed: ") : QStringLiteral("Failed: "),
                      Bold(step.passed ? QColor(Qt::darkGreen) : QColor(Qt::darkRed)));
    cursor.insertText(QString::fromStdString(step.title), Bold());
    cursor.insertBlock(Indented());
    cursor.insertText(QString::fromStdString(step.outcome), QTextCharFormat());
    if (!step.passed) {
        cursor.insertBlock(Indented());
        cursor.insertText("Try: " + QString::fromStdString(step.advice), QTextCharFormat());
    }
    txtSteps->verticalScrollBar()->setValue(txtSteps->verticalScrollBar()->maximum());
}

void TfrmConnectionTest::Finished(bool passed)
{
    QString verdict = passed ? TestPassed : TestFailed;
    if (trusted_)
        verdict += QStringLiteral(" ") + TrustKeptOnApply;
    lblTestStatus->setText(verdict);
}

// Dropping the client closes its connections at once; a test file already
// stored stays on the server.
void TfrmConnectionTest::Stop()
{
    ftp_.reset();
    test_.reset();
    Busy(false);
    lblTestStatus->setText(TestStopped);
}

void TfrmConnectionTest::reject()
{
    if (Running())
        Stop();
    QDialog::reject();
}

void TfrmConnectionTest::Progress(const std::string& label)
{
    lblTestStatus->setText(QString::fromStdString(label));
}

void TfrmConnectionTest::Busy(bool busy)
{
    btnTestClose->setText(busy ? QStringLiteral("Stop") : QStringLiteral("Close"));
}

void TfrmConnectionTest::KeepFingerprint(const std::string& fingerprint)
{
    trusted_ = true;
    if (OnTrusted)
        OnTrusted(fingerprint);
}

} // namespace tarvin
