#pragma once
// The generator's fixed texts, used verbatim. Templates are filled with
// FillTemplate; every line of a multi-line template ends with CR LF unless
// noted.

#include <string_view>

namespace tarvin::html {

inline constexpr std::string_view ErrorCreatingPage = "Error Creating Web Page";

inline constexpr std::string_view Image = "<IMG SRC=\"%s\" BORDER=0 ALT=\"%s\" HEIGHT=\"%s\" WIDTH=\"%s\">";
inline constexpr std::string_view ImageAlign = " ALIGN=\"%s\"";
inline constexpr std::string_view Link = "<A HREF=\"%s\">%s</A>";
inline constexpr std::string_view Line = "<HR WIDTH=\"%d%s\" SIZE=\"%s\">";
inline constexpr std::string_view List = "<%s TYPE=\"%s\">\r\n%s</%s>";
inline constexpr std::string_view ListItemPrefix = "   <LI>";
inline constexpr std::string_view DropBoxOption = "document.write('<option value=\"%s\">%s');\r\n";
inline constexpr std::string_view MetaTag = "<META NAME=\"%s\" CONTENT=\"%s\">";
inline constexpr std::string_view Center = "<CENTER>%s</CENTER>";
inline constexpr std::string_view Right = "<P ALIGN=\"RIGHT\">%s</P>";
inline constexpr std::string_view NewLine = "<P>";
inline constexpr std::string_view EmptyParagraphLine = "<BR><BR>";
inline constexpr std::string_view Bold = "<B>%s</B>";
inline constexpr std::string_view Italic = "<I>%s</I>";
inline constexpr std::string_view Underline = "<U>%s</U>";
inline constexpr std::string_view Font = "<FONT FACE=%s SIZE=\"%s\">%s</FONT>";
inline constexpr std::string_view FontColor = " COLOR=\"%s\"";
// No line break after the BODY tag.
inline constexpr std::string_view Body =
    "</HEAD>\r\n\r\n<BODY BGCOLOR=\"%s\" TEXT=\"%s\" LINK=\"%s\" ALINK=\"%s\" VLINK=\"%s\">";
inline constexpr std::string_view Background = " BACKGROUND=\"%s\"";
inline constexpr std::string_view PageEnd = "</BODY></HTML>";
inline constexpr std::string_view MailPrefix = "mailto:";
inline constexpr std::string_view NoShade = " NOSHADE";

// Arguments: the maker's web address, the page title. Pages are UTF-8 and say
// so, for servers that send no character set of their own.
inline constexpr std::string_view Header =
    "<!-- Created with Ostrel Tarvin 6.1 -->\r\n"
    "<!--        %s         -->\r\n"
    "<HTML>\r\n"
    "<HEAD>\r\n"
    "     <TITLE>%s</TITLE>\r\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">\r\n";

inline constexpr std::string_view DropBoxScript =
    "<script language=\"JavaScript\">\r\n"
    "<!--\r\n"
    "// Drop-down navigation box, first written by Ostrel Software in March 1999\r\n"
    "\tfunction go(doc){\r\n"
    "\tif (doc.options[doc.selectedIndex].value != \"none\") {\r\n"
    "\t\tlocation = doc.options[doc.selectedIndex].value;\r\n"
    "\t\t}\r\n"
    "\t}\r\n"
    "//-->\r\n"
    "</script>\r\n";

// Arguments: item index, option lines, item index.
inline constexpr std::string_view DropBoxForm =
    "<script language=\"JavaScript\">\r\n"
    "<!--\r\n"
    "document.write('<form name=\"selecter%d\"><select name=\"select\" size=1>');\r\n"
    "document.write('<option value=none>Select your destination');\r\n"
    "document.write('<option value=none>--------------------');\r\n"
    "%sdocument.write('</select>');\r\n"
    "document.write('&nbsp;<INPUT TYPE=\"button\" VALUE=\"Go\" onclick=\"go(document.selecter%d.select)\">');\r\n"
    "document.write('</form>');\r\n"
    "//-->\r\n"
    "</script>\r\n";

inline constexpr std::string_view LinkStyle =
    "<style type=\"text/css\">\r\n"
    "<!-- A:link {text-decoration: none;}\r\n"
    "     A:visited {text-decoration: none;} -->\r\n"
    "</style>\r\n";

// Arguments: margin text, content width, body text, credit text.
inline constexpr std::string_view ThemeTable =
    "<TABLE WIDTH=\"600\" BORDER=\"0\" CELLPADDING=\"0\" CELLSPACING=\"0\">\r\n"
    "<TR><TD WIDTH=\"%s\">&nbsp;</TD>\r\n"
    "<TD VALIGN=\"TOP\" WIDTH=\"%d\">\r\n"
    "%s\r\n"
    "%s</TD></TR></TABLE>\r\n";

// Arguments: the maker's home page, the button picture (CreditPicture.h).
inline constexpr std::string_view CreditBlock =
    "<div align=\"center\"><a href=%s><img src=\"%s\" border=0 alt=\"HTML Editor - Flash - Web Hosting\"><br>\r\n"
    "<font size=\"1\" face=\"Verdana, Arial\">Home of the Ostrel HTML Editor</font></a></div>\r\n";

} // namespace tarvin::html
