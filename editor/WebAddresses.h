#pragma once
// The web pages the toolbar and the help menu open.

#include "document/MakerAddresses.h"

namespace tarvin::web {

inline constexpr const char* MakerHome = maker::WebSite;
inline constexpr const char* MakerProducts = "http://www.ostrel.example/products.html";
inline constexpr const char* HostingOffer = "http://www.hosting-partner.example/cgi-bin/t/swinlink.cgi?015";
inline constexpr const char* SiteSubmission = "http://www.site-submit.example/";

} // namespace tarvin::web
