#include "report/report_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace rw {
namespace {

TEST(ReportText, JsonStringEscapesQuotesBackslashesAndControlsAndKeepsTheRest) {
  EXPECT_EQ(JsonString(""), "\"\"");
  EXPECT_EQ(JsonString("<b>&\"Grün\""), "\"<b>&\\\"Grün\\\"\"");
  EXPECT_EQ(JsonString("a\\b"), "\"a\\\\b\"");
  EXPECT_EQ(JsonString("line\nnext\ttab"), "\"line\\nnext\\ttab\"");
  EXPECT_EQ(JsonString(std::string("\x01\x1f\x7f", 3)), "\"\\u0001\\u001f\x7f\"");
  EXPECT_EQ(JsonString(std::string("nul\0here", 8)), "\"nul\\u0000here\"");
  EXPECT_EQ(JsonString("€ 𝄞"), "\"€ 𝄞\"");
}

TEST(ReportText, MalformedUtf8BecomesReplacementCharacters) {
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(ValidUtf8("ok"), "ok");
  EXPECT_EQ(ValidUtf8("\xC3\xBC"), "\xC3\xBC");                      // ü
  EXPECT_EQ(ValidUtf8("a\x80z"), "a" + replacement + "z");            // stray continuation
  EXPECT_EQ(ValidUtf8("\xC0\xAF"), replacement + replacement);       // overlong '/'
  EXPECT_EQ(ValidUtf8("\xED\xA0\x80"), replacement + replacement + replacement);  // a surrogate
  EXPECT_EQ(ValidUtf8("\xF4\x90\x80\x80").substr(0, 3), replacement);  // past U+10FFFF
  EXPECT_EQ(ValidUtf8("cut \xE2\x82"), "cut " + replacement + replacement);
  EXPECT_EQ(ValidUtf8("\xFF"), replacement);
  EXPECT_EQ(JsonString("\xFE"), "\"" + replacement + "\"");
  EXPECT_EQ(HtmlText("<\xFE>"), "&lt;" + replacement + "&gt;");
}

TEST(ReportText, HtmlTextLeavesNoMarkupAndDropsControls) {
  EXPECT_EQ(HtmlText("Grün <b>&\"x\" 'y'"), "Grün &lt;b&gt;&amp;&quot;x&quot; &#39;y&#39;");
  EXPECT_EQ(HtmlText("&amp;"), "&amp;amp;");
  EXPECT_EQ(HtmlText("</td></tr><script>"), "&lt;/td&gt;&lt;/tr&gt;&lt;script&gt;");
  EXPECT_EQ(HtmlText(std::string("a\x01\x7f\tb\nc\0", 8)), "a\tb\nc");
}

TEST(ReportText, Base64AndHexOfKnownBytes) {
  const auto bytes = [](std::string_view text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
  };
  // RFC 4648's test vectors.
  EXPECT_EQ(Base64(bytes("")), "");
  EXPECT_EQ(Base64(bytes("f")), "Zg==");
  EXPECT_EQ(Base64(bytes("fo")), "Zm8=");
  EXPECT_EQ(Base64(bytes("foo")), "Zm9v");
  EXPECT_EQ(Base64(bytes("foob")), "Zm9vYg==");
  EXPECT_EQ(Base64(bytes("fooba")), "Zm9vYmE=");
  EXPECT_EQ(Base64(bytes("foobar")), "Zm9vYmFy");
  EXPECT_EQ(Base64(std::vector<std::uint8_t>{0xFF, 0xFE, 0x00}), "//4A");
  EXPECT_EQ(HexBytes(std::vector<std::uint8_t>{0x00, 0xFF, 0x10, 0xAB}), "00ff10ab");
}

TEST(ReportText, DecimalTextIsShortestAndIgnoresTheLocale) {
  EXPECT_EQ(DecimalText(59.94, 3), "59.94");
  EXPECT_EQ(DecimalText(60, 3), "60");
  EXPECT_EQ(DecimalText(1.5, 3, true), "1,5");
  EXPECT_EQ(DecimalText(2.26, 1), "2.3");
  EXPECT_EQ(DecimalText(-0.01, 1), "0");
  EXPECT_EQ(DecimalText(150, 1, true), "150");
}

}  // namespace
}  // namespace rw
