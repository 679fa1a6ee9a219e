// STOR: sending the local file over the open data connection.
#include "publish/FtpClient.h"

#include "publish/FtpClientText.h"
#include "publish/VisibleText.h"

#include <QMetaObject>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tarvin::publish {

using namespace ftp_detail;

void TFtpClient::StorStep()
{
    if (!connected_)
        throw FtpException("STOR/APPE: not connected");
    if (LocalFileName.empty())
        throw FtpException("LocalFileName empty");
    CheckCommandText(HostFileName);
    requestDone_ = false;
    errorMessage_.clear();
    bool cancel = false;
    if (OnReadyToTransmit)
        OnReadyToTransmit(cancel);
    if (cancel) {
        Fail(426, "426 Transmit cancelled by application");
        FinishRequest(426);
        return;
    }
    // Opened by its bytes: a name that is not valid UTF-8 is still a name.
    const int handle = ::open(LocalFileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (handle < 0 || !localFile_.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (handle >= 0)
            ::close(handle);
        Fail(426, "426 Unable to open local file " + LocalFileName);
        CloseDataSocket();
        FinishRequest(426);
        return;
    }
    SetState(TFtpState::ftpsWaitingReply);
    next_ = &TFtpClient::FirstStorReply;
    SendCommand("STOR " + HostFileName);
}

void TFtpClient::FirstStorReply()
{
    if (replyCode_ == 150 || replyCode_ == 125) {
        storAnswered_ = true;
        next_ = &TFtpClient::LastStorReply;
        if (Tls && dataConnected_ && !dataTls_.Active())
            StartDataTls();
        else if (dataOpen_ && !sendingStarted_)
            QueueStartSending();
        return;
    }
    errorMessage_ = replyLine_;
    CloseDataSocket();
    CloseLocalFile();
    FinishRequest(FailureCode(replyCode_));
}

void TFtpClient::LastStorReply()
{
    if (replyCode_ == 226 || replyCode_ == 250) {
        finalReply_ = true;
        if (dataClosed_)
            FinishTransfer();
        else if (dataHalfClosed_)
            CloseDataSocket();  // the server has it all and need not close first
        return;
    }
    errorMessage_ = replyLine_;
    CloseLocalFile();
    CloseDataSocket();
    Display("! STOR Failed");
    FinishRequest(FailureCode(replyCode_));
}

void TFtpClient::QueueStartSending()
{
    sendingStarted_ = true;
    const std::uint64_t id = transferId_;
    QMetaObject::invokeMethod(&queue_, [this, id] {
        if (id != transferId_)
            return;
        startTick_ = NowMs();
        try {
            SendNextBlock();
        } catch (const std::exception& e) {
            Fail(426, "426 " + ExceptionClassName(e) + ": " + e.what());
            closeError_ = 426;
            CloseDataSocket();
        }
    }, Qt::QueuedConnection);
}

void TFtpClient::SendNextBlock()
{
    // Runs when the data socket has sent everything it was given. Blocks are
    // read and reported one by one, and go out together: one trip through the
    // event loop per burst instead of per block.
    if (!localFile_.isOpen())
        return;
    idle_.Touch();
    if (endOfFile_) {
        ScheduleDataClose();
        return;
    }
    sendBuffer_.resize(static_cast<std::size_t>(BlockSize) * BlocksPerBurst);
    std::size_t filled = 0;
    for (int block = 0; block < BlocksPerBurst; ++block) {
        bool abort = false;
        if (OnProgress)
            OnProgress(static_cast<int>(std::min<std::int64_t>(byteCount_, INT32_MAX)), abort);
        if (abort) {
            Display("! Abort requested");
            closeError_ = 426;
            errorMessage_ = "426 Transmit aborted by application";
            CloseDataSocket();
            return;
        }
        const qint64 count = localFile_.read(sendBuffer_.data() + filled, BlockSize);
        if (count < 0) {
            Display("! Error reading file");
            closeError_ = 426;
            errorMessage_ = "426 Unable to read local file " + VisibleText(LocalFileName);
            CloseDataSocket();
            return;
        }
        if (count == 0) {
            endOfFile_ = true;
            break;
        }
        filled += static_cast<std::size_t>(count);
        byteCount_ += count;
    }
    if (filled == 0) {
        ScheduleDataClose();
    } else if (dataTls_.Send(sendBuffer_.data(), static_cast<int>(filled)) < 0) {
        closeError_ = 426;
        errorMessage_ = "426 TLS failed on the data connection: " + dataTls_.Failure();
        CloseDataSocket();
    }
    // Otherwise the socket's OnDataSent brings us back.
}

void TFtpClient::ScheduleDataClose()
{
    // Everything has gone to the platform, which sends it before the close.
    if (data_.State() != TSocketState::wsConnected)
        return;
    if (!dataTls_.Established()) {
        data_.CloseLater();
        return;
    }
    if (!dataTls_.CloseNotified()) {
        // The server learns that the file ends here and was not cut off;
        // the socket's OnDataSent brings us back once that has gone too.
        dataTls_.CloseNotify();
        return;
    }
    // The server may still send (session tickets, its own close_notify), and
    // data arriving at a closed socket makes the system reset the connection,
    // dropping what is still on its way: end the sending side only and let
    // the server close.
    if (!dataHalfClosed_) {
        dataHalfClosed_ = true;
        data_.ShutdownSocket(SHUT_WR);
    }
}

void TFtpClient::DataClosed(int error)
{
    CloseLocalFile();
    dataClosed_ = true;
    if (error != 0 && closeError_ == 0) {
        Display("! Error #" + std::to_string(error) + " sending data");
        closeError_ = error;
        errorMessage_ = WinsockErrorText(error);
    }
    if (finalReply_ && !requestDone_)
        FinishTransfer();
}

void TFtpClient::FinishTransfer()
{
    TraceStatistics();
    if (closeError_ == 0 && !endOfFile_) {
        // The data connection ended before the whole file went out.
        closeError_ = 426;
        errorMessage_ = "426 Data connection closed before the end of " + VisibleText(LocalFileName);
    }
    FinishRequest(closeError_);
}

void TFtpClient::TraceStatistics()
{
    stopTick_ = NowMs();
    if (startTick_ == 0)
        startTick_ = stopTick_;
    const std::int64_t elapsed = stopTick_ - startTick_;
    std::string text = "! " + std::to_string(byteCount_) + " bytes received/sent in "
                       + std::to_string(elapsed / 1000) + " seconds";
    if (elapsed != 0) {
        const std::int64_t rate = byteCount_ < 32768 ? byteCount_ * 1000 / elapsed : byteCount_ / elapsed * 1000;
        text += " (" + std::to_string(rate) + " Bytes/sec)";
    }
    Display(text);
}

void TFtpClient::CloseLocalFile()
{
    if (localFile_.isOpen())
        localFile_.close();
}

void TFtpClient::CloseDataSocket()
{
    if (data_.State() != TSocketState::wsClosed)
        data_.Close();
}

} // namespace tarvin::publish
