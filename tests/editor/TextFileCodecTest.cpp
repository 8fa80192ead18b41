// Tests of the editor's file bytes: what is read, what is written back.
#include "editor/TextFileCodec.h"

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

struct RoundTrip {
    const char *name;
    QByteArray file;
    QString shown;
    TextEncoding encoding;
    QByteArray saved;
};

void PrintTo(const RoundTrip &row, std::ostream *os)
{
    *os << row.name;
}

class Codec : public ::testing::TestWithParam<RoundTrip> { };

TEST_P(Codec, ReadsAndWritesBack)
{
    const RoundTrip &row = GetParam();
    const DecodedText decoded = DecodeTextFile(row.file);
    EXPECT_EQ(decoded.text, row.shown);
    EXPECT_EQ(decoded.encoding, row.encoding);
    EXPECT_EQ(EncodeTextFile(decoded.text, decoded.encoding), row.saved);
}

INSTANTIATE_TEST_SUITE_P(Files, Codec,
    ::testing::Values(RoundTrip { "CR LF kept", "<P>\r\n</P>\r\n", "<P>\n</P>\n",
                          TextEncoding::Utf8, "<P>\r\n</P>\r\n" },
        RoundTrip {
            "empty line at the end kept", "a\r\n\r\n", "a\n\n", TextEncoding::Utf8, "a\r\n\r\n" },
        RoundTrip { "LF only", "a\nb\n", "a\nb\n", TextEncoding::Utf8, "a\r\nb\r\n" },
        RoundTrip { "CR only", "a\rb\r", "a\nb\n", TextEncoding::Utf8, "a\r\nb\r\n" },
        RoundTrip { "last line ended", "a\r\nb", "a\nb", TextEncoding::Utf8, "a\r\nb\r\n" },
        RoundTrip { "no-break space",
            "a\xC2\xA0"
            "b\r\n",
            QString::fromUtf8("a\u00A0b\n"), TextEncoding::Utf8,
            "a\xC2\xA0"
            "b\r\n" },
        RoundTrip { "byte-order mark", "\xEF\xBB\xBFx\r\n", QString(QChar(0xFEFF)) + "x\n",
            TextEncoding::Utf8, "\xEF\xBB\xBFx\r\n" },
        RoundTrip { "Latin-1", "caf\xE9 \xA0\r\n", QString::fromLatin1("caf\xE9 \xA0\n"),
            TextEncoding::Latin1, "caf\xE9 \xA0\r\n" },
        RoundTrip { "overlong UTF-8 read byte for byte", "\xC0\xAF\r\n",
            QString::fromLatin1("\xC0\xAF\n"), TextEncoding::Latin1, "\xC0\xAF\r\n" },
        RoundTrip { "empty", "", "", TextEncoding::Utf8, "" }));

TEST(Codec, TypedTextThatLatin1CannotHoldIsWrittenAsUtf8)
{
    EXPECT_EQ(EncodeTextFile(QString::fromUtf8("caf\u00E9"), TextEncoding::Latin1), "caf\xE9\r\n");
    EXPECT_EQ(
        EncodeTextFile(QString::fromUtf8("\u20AC"), TextEncoding::Latin1), "\xE2\x82\xAC\r\n");
}

TEST(Codec, GeneratedPageShownWithNewlines)
{
    EXPECT_EQ(TextOfPage("<HTML>\r\n</HTML>\r\n\r\n"), "<HTML>\n</HTML>\n\n");
    EXPECT_EQ(EncodeTextFile(TextOfPage("<HTML>\r\n</HTML>\r\n\r\n"), TextEncoding::Utf8),
        "<HTML>\r\n</HTML>\r\n\r\n");
}

} // namespace
} // namespace pixmaro
