#include "document/FormMarkup.h"

#include "document/TextEncoding.h"
#include "document/TextUtil.h"

#include <stdexcept>
#include <utility>

namespace tarvin {

namespace {

// The form's fixed texts, used verbatim.
constexpr std::string_view FormStart = "<FORM ACTION=\"%s\" METHOD=\"POST\">\r\n";
constexpr std::string_view HiddenFieldTemplate = "<INPUT TYPE=\"HIDDEN\" NAME=\"%s\" VALUE=\"%s\">\r\n";
constexpr std::string_view TableStart = "<TABLE CELLPADDING=2 WIDTH=100%";
constexpr std::string_view TableEnd = "</TABLE></FORM>";
constexpr std::string_view BorderAttribute = " BORDER=1";
constexpr std::string_view TitleRow =
    "\r\n<TR><TD WIDTH=100% VALIGN=TOP COLSPAN=2><FONT SIZE=5><B>%s</B></FONT></TD></TR>";
constexpr std::string_view SubmitRow =
    "<TR><TD COLSPAN=2><INPUT TYPE=\"SUBMIT\">&nbsp;&nbsp;<INPUT TYPE=\"RESET\"></TD></TR>";
constexpr std::string_view FooterRow =
    "\r\n<TR><TD WIDTH=100% VALIGN=TOP COLSPAN=2><FONT SIZE=\"2\"><I>If you have any problems, please send an "
    "e-mail to %s</I></FONT></TD></TR>\r\n";
constexpr std::string_view MailLink = "<a href=\"mailto:%s\">%s</a>.";
constexpr std::string_view FieldRow =
    "<TR><TD WIDTH=30%s VALIGN=TOP>%s</TD><TD WIDTH=70%s VALIGN=TOP>%s</TD></TR>\r\n";
constexpr std::string_view TextBox = "<INPUT NAME=\"%s\" VALUE=\"%s\" SIZE=\"%s\">";
constexpr std::string_view TextArea = "<TEXTAREA COLS=\"%s\" ROWS=\"%s\" NAME=\"%s\" WRAP=\"VIRTUAL\"></TEXTAREA>";
constexpr std::string_view Choice = "<INPUT TYPE=\"%s\" NAME=\"%s\" VALUE=\"%s\"%s> %s%s";
constexpr std::string_view CheckedMark = " CHECKED";
constexpr std::string_view ChoiceEnd = "<BR>\r\n";
constexpr std::string_view DropDown = "<SELECT NAME=\"%s\">%s</SELECT>";
constexpr std::string_view FixedOptions = "<OPTION VALUE=\"\">Select\r\n<OPTION VALUE=\"\">----------\r\n";
constexpr std::string_view Option = "<OPTION VALUE=\"%s\">%s";

std::string ChoiceInputs(const TFormElement& element)
{
    std::string inputs(CRLF);
    for (const std::string& line : element.Strings) {
        if (line.find('|') == std::string::npos)
            continue;
        const auto [value, rest] = SplitAtBar(line);
        const auto [caption, flag] = SplitAtBar(rest);
        const std::string_view checked = LowerCase(flag) == "yes" ? CheckedMark : std::string_view();
        // Radio buttons of one field share a name; every check box has its own.
        const std::string name = element.FieldKind == TFieldKind::fkRadio
            ? HtmlFieldName(element)
            : LowerCase(ReplaceAll(element.Name + "_" + std::string(caption), " ", "_"));
        inputs += FillTemplate(Choice, {FieldKindName(element.FieldKind), HtmlAttribute(name), HtmlAttribute(value),
                                        checked, DocumentTextToUtf8(caption), ChoiceEnd});
    }
    return inputs;
}

std::string DropDownInput(const TFormElement& element)
{
    std::string options(CRLF);
    options += FixedOptions;
    for (const std::string& line : element.Strings) {
        const auto [value, caption] = SplitAtBar(line);
        options += FillTemplate(Option, {HtmlAttribute(value), DocumentTextToUtf8(caption)});
        options += CRLF;
    }
    return FillTemplate(DropDown, {HtmlAttribute(HtmlFieldName(element)), options});
}

std::string ElementInput(const TFormElement& element)
{
    const StringLines& settings = element.Strings;
    switch (element.FieldKind) {
    case TFieldKind::fkText:
        return FillTemplate(TextBox, {HtmlAttribute(HtmlFieldName(element)), HtmlAttribute(element.Value),
                                      HtmlAttribute(FieldSetting(settings, "Size"))});
    case TFieldKind::fkTextArea:
        return FillTemplate(TextArea, {HtmlAttribute(FieldSetting(settings, "Cols")),
                                       HtmlAttribute(FieldSetting(settings, "Rows")),
                                       HtmlAttribute(HtmlFieldName(element))});
    case TFieldKind::fkRadio:
    case TFieldKind::fkCheckBox:
        return ChoiceInputs(element);
    case TFieldKind::fkDropDown:
        return DropDownInput(element);
    case TFieldKind::fkButton:
        break;
    }
    return {};
}

std::string HiddenField(std::string_view name, std::string_view value)
{
    return FillTemplate(HiddenFieldTemplate, {name, HtmlAttribute(value)});
}

std::string HiddenFields(const TPagelette& page)
{
    std::string hidden =
        HiddenField("recipient", page.Email) + HiddenField("subject", page.Subject) + HiddenField("redirect", page.Redirect);
    if (page.AlphaSort)
        hidden += HiddenField("sort", "alphabetic");
    if (page.BlankFields)
        hidden += HiddenField("print_blank_fields", "1");

    const auto joined = [](std::initializer_list<std::pair<bool, std::string_view>> words) {
        std::string text;
        for (const auto& [present, word] : words)
            if (present)
                text += (text.empty() ? "" : ",") + std::string(word);
        return text;
    };
    const std::string env = joined(
        {{page.BrowserUsed, "HTTP_USER_AGENT"}, {page.HostName, "REMOTE_HOST"}, {page.EnvReport, "REMOTE_ADDR"}});
    if (!env.empty())
        hidden += HiddenField("env_report", env);
    const std::string config = joined({{page.EmailAddress, "email"}, {page.EmailSubject, "subject"}});
    if (!config.empty())
        hidden += HiddenField("print_config", config);
    return hidden;
}

} // namespace

std::string HtmlFieldName(const TFormElement& element)
{
    return LowerCase(ReplaceAll(element.Name, " ", "_"));
}

std::string GetElementHtml(const TFormElement& element)
{
    return FillTemplate(FieldRow,
                        {"%", ReplaceAll(DocumentTextToUtf8(element.Text), CRLF, "<BR>"), "%", ElementInput(element)});
}

std::string GetFieldsHtml(const TWebForm& form)
{
    std::string rows;
    for (const auto& element : form)
        rows += GetElementHtml(*element);
    return rows;
}

std::string GetFormHtml(const TPagelette& page)
{
    const std::string_view border = page.Border ? BorderAttribute : std::string_view();
    const std::string title =
        page.FormTitle.empty() ? std::string() : FillTemplate(TitleRow, {DocumentTextToUtf8(page.FormTitle)});
    const std::string footer = page.FormFooter
        ? FillTemplate(FooterRow, {FillTemplate(MailLink, {HtmlAttribute(page.Email), DocumentTextToUtf8(page.Email)})})
        : std::string();

    const std::string_view handler = page.FormHandler.empty() ? DefaultFormHandler : page.FormHandler;
    std::string form = FillTemplate(FormStart, {HtmlAttribute(handler)});
    form += HiddenFields(page);
    form += TableStart;
    form += border;
    form += '>';
    form += title;
    form += CRLF;
    form += GetFieldsHtml(page.WebForm());
    form += SubmitRow;
    form += footer;
    form += TableEnd;
    return form;
}

} // namespace tarvin
