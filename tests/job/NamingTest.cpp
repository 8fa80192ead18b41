// Tests of output naming: sequence numbers, the four options, target types and the sentence.
#include "job/Naming.h"

#include "base/IntegerText.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

TEST(SequenceText, WidthComesFromTheStartText)
{
    const struct {
        const char *start;
        int index;
        const char *expected;
    } rows[] = {
        { "001", 0, "001" },
        { "001", 998, "999" },
        { "001", 999, "1000" },
        { "1", 9, "10" },
        { "0010", 1, "0011" },
        { "7", 4, "11" },
        { "-5", 0, "-5" },
        { "-5", 5, "00" },
        { "$A", 0, "10" },
        { "2147483647", 1, "2147483648" },
    };
    for (const auto &row : rows)
        EXPECT_EQ(SequenceText(row.start, row.index), row.expected)
            << row.start << " + " << row.index;
    EXPECT_THROW(SequenceText("abc", 0), InvalidInteger);
    EXPECT_THROW(SequenceText("", 0), InvalidInteger);
}

TEST(Naming, TermsTakeTheLastCharactersBlindly)
{
    EXPECT_EQ(BaseName("photo.jpg"), "photo");
    EXPECT_EQ(SourceType("photo.JPG"), "JPG");
    EXPECT_EQ(BaseName("x.jpeg"), "x.");
    EXPECT_EQ(SourceType("x.jpeg"), "peg");
    EXPECT_EQ(BaseName("ab"), "");
    EXPECT_EQ(SourceType("ab"), "ab");
}

TEST(Naming, KeepBytesNamesKeepTheSourceExtensionLetters)
{
    const auto name = [](NamingOption o, const char *q, const char *entry, int i) {
        return KeepBytesName(o, q, "001", entry, i);
    };
    EXPECT_EQ(name(NamingOption::PreSeq, "Image", "photo.JPG", 0), "Image001.JPG");
    EXPECT_EQ(name(NamingOption::PreSeq, "Image", "tree.bmp", 1), "Image002.bmp");
    EXPECT_EQ(name(NamingOption::PreName, "Image", "photo.JPG", 0), "Imagephoto.JPG");
    EXPECT_EQ(name(NamingOption::PreName, "Image", "x.jpeg", 0), "Imagex.jpeg");
    EXPECT_EQ(name(NamingOption::SufSeq, "Image", "a.gif", 2), "003Image.gif");
    EXPECT_EQ(name(NamingOption::SufName, "Image", "photo.JPG", 0), "photoImage.JPG");
    EXPECT_EQ(name(NamingOption::SufName, "", "x.jpeg", 0), "x..peg");
    // The name-keeping options never read the sequence start.
    EXPECT_EQ(KeepBytesName(NamingOption::PreName, "Q", "not a number", "a.jpg", 0), "Qa.jpg");
    EXPECT_THROW(KeepBytesName(NamingOption::SufSeq, "Q", "x", "a.jpg", 0), InvalidInteger);
}

TEST(Naming, EncodedNamesTakeTheTargetTypesExtension)
{
    const auto name = [](NamingOption o, const char *q, const char *to, const char *entry, int i) {
        return EncodedName(o, q, "001", to, entry, i);
    };
    EXPECT_EQ(name(NamingOption::SufSeq, "Thumb", "gif", "a.jpg", 0), "001Thumb.gif");
    EXPECT_EQ(name(NamingOption::SufSeq, "Thumb", "gif", "b.bmp", 1), "002Thumb.gif");
    EXPECT_EQ(name(NamingOption::PreSeq, "Thumb", "jpg", "photo.JPG", 0), "Thumb001.jpg");
    EXPECT_EQ(name(NamingOption::SufName, "", "jpg", "photo.jpg", 0), "photo.jpg");
    EXPECT_EQ(name(NamingOption::PreName, "T", "No Conversion", "a.GIF", 0), "Ta.gif");
    EXPECT_EQ(name(NamingOption::PreName, "T", "No Conversion", "a.Bmp", 0), "Ta.bmp");
    // A four-letter extension names no type the program writes: no extension, no file.
    EXPECT_EQ(name(NamingOption::PreName, "T", "No Conversion", "a.jpeg", 0), "Ta.");
    EXPECT_EQ(name(NamingOption::PreSeq, "T", "JPG", "a.jpg", 0), "T001");
    EXPECT_EQ(name(NamingOption::PreSeq, "T", "png", "a.jpg", 0), "T001");

    EXPECT_EQ(TargetTypeFor("emf", "a.jpg"), TargetType::EMF);
    EXPECT_EQ(TargetTypeFor("wmf", "a.jpg"), TargetType::WMF);
    EXPECT_EQ(TargetTypeFor("bmp", "a.jpg"), TargetType::BMP);
    EXPECT_EQ(TargetTypeFor("No Conversion", "a.ico"), TargetType::None);
    EXPECT_EQ(TargetTypeFor("no conversion", "a.jpg"), TargetType::None);
}

TEST(Naming, SentenceDescribesTheNames)
{
    EXPECT_EQ(FileNameSentence(NamingOption::PreSeq, "Thumb", "001"),
        "...Will start with Thumb001 and be numbered sequentially");
    EXPECT_EQ(FileNameSentence(NamingOption::PreSeq, "", "abc"),
        "...Will start with abc and be numbered sequentially");
    EXPECT_EQ(FileNameSentence(NamingOption::PreName, "Image", "001"),
        "...Will start with Image and then have the original name appended.");
    EXPECT_EQ(FileNameSentence(NamingOption::PreName, "", "001"), "...Will not be changed.");
    EXPECT_EQ(FileNameSentence(NamingOption::SufSeq, "Thumb", "01"),
        "...Will start with 01Thumb and be numbered sequentially");
    EXPECT_EQ(FileNameSentence(NamingOption::SufName, "Thumb", "001"),
        "...Will start with the original file name and then have Thumb appended.");
    EXPECT_EQ(FileNameSentence(NamingOption::SufName, "", "001"), "...Will not be changed.");
}

} // namespace
} // namespace pixmaro
