#pragma once
// The HTML an e-mail form becomes: one table row per field, hidden fields
// configuring the form-mail script, and the surrounding FORM and TABLE.

#include "document/PageModel.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvin {

// The form-mail script on the page's own site, where hosts that offer one put
// it; a page may name another address (TPagelette::FormHandler).
inline constexpr std::string_view DefaultFormHandler = "/cgi-bin/FormMail.pl";

// Blanks become underscores, then lower case ("First Name" gives "first_name").
std::string HtmlFieldName(const TFormElement& element);
std::string GetElementHtml(const TFormElement& element);
std::string GetFieldsHtml(const TWebForm& form);
std::string GetFormHtml(const TPagelette& page);

} // namespace tarvin
