#include "document/FormMarkup.h"
#include "document/TextUtil.h"


#include <gtest/gtest.h>

namespace tarvin {
namespace {

TFormElement Element(TFieldKind kind, std::string name, StringLines strings = {}, std::string text = "Q")
{
    TFormElement element;
    element.FieldKind = kind;
    element.Name = std::move(name);
    element.Strings = std::move(strings);
    element.Text = std::move(text);
    return element;
}

std::string Row(const std::string& question, const std::string& input)
{
    return "<TR><TD WIDTH=30% VALIGN=TOP>" + question + "</TD><TD WIDTH=70% VALIGN=TOP>" + input + "</TD></TR>\r\n";
}

TEST(FillTemplate, CopiesArgumentsVerbatim)
{
    EXPECT_EQ(FillTemplate("<%s %d> 100% %x", {"a%s", "7"}), "<a%s 7> 100% %x");
    EXPECT_THROW(FillTemplate("%s %s", {"one"}), std::logic_error);
    EXPECT_THROW(FillTemplate("%s", {"one", "two"}), std::logic_error);
}

TEST(FormMarkup, HtmlFieldNameUsesUnderscoresAndLowerCase)
{
    EXPECT_EQ(HtmlFieldName(Element(TFieldKind::fkText, "First Name")), "first_name");
    EXPECT_EQ(HtmlFieldName(Element(TFieldKind::fkText, " A  B ")), "_a__b_");
}

struct ElementCase {
    std::string name;
    TFormElement element;
    std::string input;
};

class Elements : public testing::TestWithParam<ElementCase> {};

TEST_P(Elements, GiveOneRow)
{
    EXPECT_EQ(GetElementHtml(GetParam().element), Row("Q", GetParam().input));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Elements,
    testing::Values(
        ElementCase{"TextBox", Element(TFieldKind::fkText, "Your E Mail", {"Size=30"}),
                    "<INPUT NAME=\"your_e_mail\" VALUE=\"\" SIZE=\"30\">"},
        ElementCase{"TextBoxSizeInAnyCaseAndNoSize", Element(TFieldKind::fkText, "A", {"x", "SIZE=5"}),
                    "<INPUT NAME=\"a\" VALUE=\"\" SIZE=\"5\">"},
        ElementCase{"TextBoxWithoutSize", Element(TFieldKind::fkText, "A", {"Sizes=5"}),
                    "<INPUT NAME=\"a\" VALUE=\"\" SIZE=\"\">"},
        ElementCase{"TextArea", Element(TFieldKind::fkTextArea, "Comments", {"Rows=4", "Cols=40"}),
                    "<TEXTAREA COLS=\"40\" ROWS=\"4\" NAME=\"comments\" WRAP=\"VIRTUAL\"></TEXTAREA>"},
        ElementCase{"RadioButtonsShareOneName",
                    Element(TFieldKind::fkRadio, "Colour", {"r|Red|Yes", "no bar", "g|Green|No"}),
                    "\r\n<INPUT TYPE=\"Radio\" NAME=\"colour\" VALUE=\"r\" CHECKED> Red<BR>\r\n"
                    "<INPUT TYPE=\"Radio\" NAME=\"colour\" VALUE=\"g\"> Green<BR>\r\n"},
        ElementCase{"CheckBoxesHaveTheirOwnNames",
                    Element(TFieldKind::fkCheckBox, "Likes", {"ic|Ice Cream|YES", "t|Tea"}),
                    "\r\n<INPUT TYPE=\"CheckBox\" NAME=\"likes_ice_cream\" VALUE=\"ic\" CHECKED> Ice Cream<BR>\r\n"
                    "<INPUT TYPE=\"CheckBox\" NAME=\"likes_\" VALUE=\"t\"> <BR>\r\n"},
        ElementCase{"DropDownWithoutLines", Element(TFieldKind::fkDropDown, "Pick"),
                    "<SELECT NAME=\"pick\">\r\n<OPTION VALUE=\"\">Select\r\n<OPTION VALUE=\"\">----------\r\n"
                    "</SELECT>"},
        ElementCase{"DropDownOptions", Element(TFieldKind::fkDropDown, "Pick", {"1|One", "Two", "3|Three|x"}),
                    "<SELECT NAME=\"pick\">\r\n<OPTION VALUE=\"\">Select\r\n<OPTION VALUE=\"\">----------\r\n"
                    "<OPTION VALUE=\"1\">One\r\n<OPTION VALUE=\"\">Two\r\n<OPTION VALUE=\"3\">Three|x\r\n"
                    "</SELECT>"},
        ElementCase{"Button", Element(TFieldKind::fkButton, "Go"), ""}),
    [](const testing::TestParamInfo<ElementCase>& info) { return info.param.name; });

TEST(FormMarkup, QuestionLineBreaksBecomeBreakTags)
{
    TFormElement element = Element(TFieldKind::fkText, "N", {"Size=5"}, "Your\r\nname");
    element.Value = "100%";
    EXPECT_EQ(GetElementHtml(element), Row("Your<BR>name", "<INPUT NAME=\"n\" VALUE=\"100%\" SIZE=\"5\">"));
}

std::string Hidden(const std::string& name, const std::string& value)
{
    return "<INPUT TYPE=\"HIDDEN\" NAME=\"" + name + "\" VALUE=\"" + value + "\">\r\n";
}

// The form-mail script on the page's own site unless the page names another.
const std::string FormStart = "<FORM ACTION=\"/cgi-bin/FormMail.pl\" METHOD=\"POST\">\r\n";
const std::string SubmitRow =
    "<TR><TD COLSPAN=2><INPUT TYPE=\"SUBMIT\">&nbsp;&nbsp;<INPUT TYPE=\"RESET\"></TD></TR>";

TEST(FormMarkup, PlainFormHasThreeHiddenFieldsAndNoExtras)
{
    TPagelette page;
    page.Email = "me@example.com";
    page.Subject = "100% feedback";
    page.Redirect = "http://example.com/thanks.html";
    page.WebForm().Add() = Element(TFieldKind::fkButton, "B");
    EXPECT_EQ(GetFormHtml(page),
              FormStart + Hidden("recipient", "me@example.com") + Hidden("subject", "100% feedback") +
                  Hidden("redirect", "http://example.com/thanks.html") + "<TABLE CELLPADDING=2 WIDTH=100%>\r\n" +
                  Row("Q", "") + SubmitRow + "</TABLE></FORM>");
}

TEST(FormMarkup, EveryOptionShowsInTheForm)
{
    TPagelette page;
    page.Email = "me@example.com";
    page.AlphaSort = page.BlankFields = page.Border = page.FormFooter = true;
    page.BrowserUsed = page.HostName = page.EnvReport = true;
    page.EmailAddress = page.EmailSubject = true;
    page.FormTitle = "Write to us";
    EXPECT_EQ(GetFormHtml(page),
              FormStart + Hidden("recipient", "me@example.com") + Hidden("subject", "") + Hidden("redirect", "") +
                  Hidden("sort", "alphabetic") + Hidden("print_blank_fields", "1") +
                  Hidden("env_report", "HTTP_USER_AGENT,REMOTE_HOST,REMOTE_ADDR") +
                  Hidden("print_config", "email,subject") + "<TABLE CELLPADDING=2 WIDTH=100% BORDER=1>\r\n" +
                  "<TR><TD WIDTH=100% VALIGN=TOP COLSPAN=2><FONT SIZE=5><B>Write to us</B></FONT></TD></TR>\r\n" +
                  SubmitRow +
                  "\r\n<TR><TD WIDTH=100% VALIGN=TOP COLSPAN=2><FONT SIZE=\"2\"><I>If you have any problems, "
                  "please send an e-mail to <a href=\"mailto:me@example.com\">me@example.com</a>.</I></FONT>"
                  "</TD></TR>\r\n</TABLE></FORM>");
}

TEST(FormMarkup, UserTextsInAttributesAreEscapedAndOthersConverted)
{
    TFormElement box = Element(TFieldKind::fkText, "Say \"hi\"", {"Size=5\">"}, "Caf\xE9 <B>?</B>");
    box.Value = "a & <b>";
    EXPECT_EQ(GetElementHtml(box), Row("Caf\xC3\xA9 <B>?</B>",
                                       "<INPUT NAME=\"say_&quot;hi&quot;\" VALUE=\"a &amp; &lt;b&gt;\" SIZE=\"5&quot;&gt;\">"));
    EXPECT_EQ(GetElementHtml(Element(TFieldKind::fkDropDown, "P", {"\"x\"|<I>X</I>"})),
              Row("Q", "<SELECT NAME=\"p\">\r\n<OPTION VALUE=\"\">Select\r\n<OPTION VALUE=\"\">----------\r\n"
                       "<OPTION VALUE=\"&quot;x&quot;\"><I>X</I>\r\n</SELECT>"));
    EXPECT_EQ(GetElementHtml(Element(TFieldKind::fkRadio, "R", {"a\"b|Caf\xE9|no"})),
              Row("Q", "\r\n<INPUT TYPE=\"Radio\" NAME=\"r\" VALUE=\"a&quot;b\"> Caf\xC3\xA9<BR>\r\n"));

    TPagelette page;
    page.Email = "me@example.com\"><script>";
    page.Subject = "\"Hello\" & bye";
    page.FormFooter = true;
    const std::string html = GetFormHtml(page);
    EXPECT_NE(html.find(Hidden("recipient", "me@example.com&quot;&gt;&lt;script&gt;")), std::string::npos);
    EXPECT_NE(html.find(Hidden("subject", "&quot;Hello&quot; &amp; bye")), std::string::npos);
    EXPECT_NE(html.find("<a href=\"mailto:me@example.com&quot;&gt;&lt;script&gt;\">me@example.com\"><script></a>."),
              std::string::npos);
}

TEST(FormMarkup, PostsToTheHandlerThePageNames)
{
    TPagelette page;
    page.FormHandler = "https://mail.example.net/cgi-bin/send.cgi?to=\"me\"&a=1";
    EXPECT_EQ(GetFormHtml(page).rfind("<FORM ACTION=\"https://mail.example.net/cgi-bin/send.cgi?to=&quot;me&quot;&amp;a=1\" "
                                      "METHOD=\"POST\">\r\n<INPUT TYPE=\"HIDDEN\" NAME=\"recipient\"",
                                      0),
              0u);
}

TEST(FormMarkup, ReportWordsJoinWithoutALeadingComma)
{
    TPagelette page;
    page.HostName = page.EnvReport = page.EmailSubject = true;
    const std::string html = GetFormHtml(page);
    EXPECT_NE(html.find(Hidden("env_report", "REMOTE_HOST,REMOTE_ADDR")), std::string::npos);
    EXPECT_NE(html.find(Hidden("print_config", "subject")), std::string::npos);
}

} // namespace
} // namespace tarvin
