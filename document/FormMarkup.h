#pragma once
// The HTML an e-mail form becomes: one table row per field, hidden fields
// configuring the form-mail script, and the surrounding FORM and TABLE.

#include "document/PageModel.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvin {

// Fills a printf-style template: each "%s" or "%d" takes the next argument,
// copied in verbatim (a percent sign in an argument stays as it is). The form
// markup and the page generator assemble all their HTML this way.
std::string FillTemplate(std::string_view pattern, std::initializer_list<std::string_view> args);

// Blanks become underscores, then lower case ("First Name" gives "first_name").
std::string HtmlFieldName(const TFormElement& element);
std::string GetElementHtml(const TFormElement& element);
std::string GetFieldsHtml(const TWebForm& form);
std::string GetFormHtml(const TPagelette& page);

} // namespace tarvin
