#pragma once
// Texts and small helpers shared by the FTP client's source files.

#include "publish/FtpClient.h"
#include "publish/SocketErrors.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <string>

namespace tarvin::publish::ftp_detail {

// The class names that the built error texts show.
inline std::string ExceptionClassName(const std::exception& e)
{
    if (dynamic_cast<const FtpException*>(&e))
        return "FtpException";
    if (dynamic_cast<const ESocketException*>(&e))
        return "ESocketException";
    return "Exception";
}

inline std::string WinsockErrorText(int error)
{
    return "500 " + SocketErrorDesc(error) + " (Winsock error #" + std::to_string(error) + ")";
}

// A reply that is not accepted must fail even when its code reads as 0.
inline int FailureCode(int code) { return code != 0 ? code : 500; }

inline std::int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace tarvin::publish::ftp_detail
