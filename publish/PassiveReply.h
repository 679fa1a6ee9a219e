#pragma once
// Reading the server's answers to EPSV and PASV, and telling addresses that
// cannot be reached from outside a private network.

#include <optional>
#include <string>

namespace tarvin::publish {

// The port of "229 Entering Extended Passive Mode (|||6446|)"; any delimiter
// character is accepted as long as all four are the same.
std::optional<int> ParseEpsvPort(const std::string& reply);

struct PassiveEndpoint {
    std::string address;  // dotted
    int port = 0;
};

// The six numbers of "227 Entering Passive Mode (h1,h2,h3,h4,p1,p2)", with or
// without the brackets: the first run of digits after the code starts them.
std::optional<PassiveEndpoint> ParsePasvEndpoint(const std::string& reply);

// Private, loopback, link-local, shared, benchmark, multicast, reserved and
// "this network" IPv4 ranges: addresses a server behind a router may announce
// but a client elsewhere cannot reach.
bool IsUnroutableAddress(const std::string& dotted);

} // namespace tarvin::publish
