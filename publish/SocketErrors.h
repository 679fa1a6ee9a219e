#pragma once
// Socket error numbers as the program shows them to the user ("Winsock error
// #10061"), their descriptions, and the mapping from the platform's errno.

#include <string>

namespace tarvin::publish {

inline constexpr int wsaeInval = 10022;
inline constexpr int wsaeWouldBlock = 10035;
inline constexpr int wsaeNotSock = 10038;
inline constexpr int wsaeConnAborted = 10053;
inline constexpr int wsaeConnReset = 10054;
inline constexpr int wsaeNotConn = 10057;
inline constexpr int wsaeTimedOut = 10060;
inline constexpr int wsaHostNotFound = 11001;
inline constexpr int wsaNoRecovery = 11003;

// The text for an error number; "Not a WinSock error" for unknown numbers.
std::string SocketErrorDesc(int code);
// The number shown for a platform errno value (0 stays 0).
int SocketErrorFromErrno(int errnoValue);

} // namespace tarvin::publish
