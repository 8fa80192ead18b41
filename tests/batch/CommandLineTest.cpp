// Tests of the pixmaro-batch command line.
#include "batch/CommandLine.h"

#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

TEST(CommandLine, ValuesMayStartWithADashAndOptionsMixWithFiles)
{
    const BatchOptions o
        = ParseCommandLine({ "thumbnails", "a.jpg", "--width=-30", "-q", "-v", "-Hx", "b.jpg",
            "--to", "No Conversion", "--force-width", "--force-height", "--", "--c.jpg" });
    EXPECT_EQ(o.command, BatchCommand::Thumbnails);
    EXPECT_EQ(o.files, QStringList({ "a.jpg", "b.jpg", "--c.jpg" }));
    EXPECT_EQ(o.width, "-30");
    EXPECT_EQ(o.qualifier, "-v");
    EXPECT_EQ(o.height, "x");
    EXPECT_EQ(o.convertTo, "No Conversion");
    EXPECT_EQ(o.forceFlags, (std::vector<bool> { true, false }));
}

TEST(CommandLine, WordsAndNumbers)
{
    const BatchOptions o = ParseCommandLine(
        { "copy", "--naming", "SufName", "--speed=Fast", "--jpeg-quality", "250", "--qualifier=" });
    EXPECT_EQ(o.namingOption, 3);
    EXPECT_EQ(o.resizeSpeed, 0);
    EXPECT_EQ(o.jpegQuality, 100);
    EXPECT_EQ(o.qualifier, "");
    EXPECT_EQ(ParseCommandLine({ "rename", "--jpeg-quality=3" }).jpegQuality, 10);
    EXPECT_EQ(ParseCommandLine({ "thumbnails", "--threads", "3" }).threads, 3);
    EXPECT_EQ(ParseCommandLine({ "thumbnails" }).threads, std::nullopt);
}

TEST(CommandLine, BadUsageIsRefused)
{
    const QStringList bad[] = {
        {},
        { "shrink" },
        { "thumbnails", "--to", "png" },
        { "thumbnails", "--to", "JPG" },
        { "thumbnails", "--naming", "preseq" },
        { "thumbnails", "--speed", "slow" },
        { "thumbnails", "--jpeg-quality", "high" },
        { "thumbnails", "--threads", "0" },
        { "thumbnails", "--threads", "many" },
        { "thumbnails", "--bogus" },
        { "thumbnails", "-x" },
        { "thumbnails", "--width" },
        { "thumbnails", "--dry-run=yes" },
        { "settings", "--width", "5" },
        { "settings", "file.jpg" },
        { "--dry-run" },
    };
    for (const QStringList &args : bad)
        EXPECT_THROW(ParseCommandLine(args), UsageError) << args.join(' ').toStdString();
}

TEST(CommandLine, HelpAndVersionWinAnywhere)
{
    EXPECT_EQ(ParseCommandLine({ "--help" }).command, BatchCommand::Help);
    EXPECT_EQ(ParseCommandLine({ "thumbnails", "-h" }).command, BatchCommand::Help);
    EXPECT_EQ(ParseCommandLine({ "--version" }).command, BatchCommand::Version);
}

} // namespace
} // namespace pixmaro
