#pragma once
// The HTML an e-mail form becomes: one table row per field, hidden fields
// configuring the form-mail script, and the surrounding FORM and TABLE.

#include "document/PageModel.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvin {


// Blanks become underscores, then lower case ("First Name" gives "first_name").
std::string HtmlFieldName(const TFormElement& element);
std::string GetElementHtml(const TFormElement& element);
std::string GetFieldsHtml(const TWebForm& form);
std::string GetFormHtml(const TPagelette& page);

} // namespace tarvin
