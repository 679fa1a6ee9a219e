#pragma once
// Turns the socket's text endpoint (protocol, port, address) into numbers,
// with the messages the program shows when that fails.

#include <cstdint>
#include <stdexcept>
#include <string>

#include <netinet/in.h>

namespace tarvin::publish {

class ESocketException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A leading digit gives the number; otherwise the protocol database is asked.
int ResolveProto(const std::string& proto);
// A leading digit gives the digits up to the first non-digit; otherwise the
// service database is asked for the protocol ("ftp" gives 21).
std::uint16_t ResolvePort(const std::string& port, const std::string& proto);
// A dotted numeric text is converted directly; a host name is looked up (blocking).
in_addr ResolveHost(const std::string& addr);

// True for texts made only of digits and full stops that convert to an address.
bool IsDottedAddress(const std::string& text);
std::string DottedAddress(in_addr address);

} // namespace tarvin::publish
