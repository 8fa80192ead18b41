// Tests of the programs that stand in for named ones, and of where the help page is found.
#include "shell/ProgramLookup.h"

#include "support/TempFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <optional>

namespace pixmaro {

inline void PrintTo(const ProgramCommand &c, std::ostream *os)
{
    *os << c.program.toStdString() << " [" << c.arguments.join("|").toStdString() << "]";
}

namespace {

using Program = Shell::Program;

struct ChoiceRow {
    const char *name;
    Program program;
    QString parameter;
    QString visual;
    QStringList installed;
    std::optional<ProgramCommand> expected;
};

void PrintTo(const ChoiceRow &row, std::ostream *os)
{
    *os << row.name;
}

class ProgramChoice : public ::testing::TestWithParam<ChoiceRow> { };

TEST_P(ProgramChoice, FirstAvailableCandidateWithTheFileAsOneArgument)
{
    const ChoiceRow &row = GetParam();
    const auto exists = [&](const QString &name) { return row.installed.contains(name); };
    EXPECT_EQ(ChooseProgramCommand(row.program, row.parameter, row.visual, exists), row.expected);
}

const QString kFile = "/home/ann/My Pics/a b;$(rm -rf x).htm";

INSTANTIATE_TEST_SUITE_P(Shell, ProgramChoice,
    ::testing::Values(
        ChoiceRow { "visual command line split into words", Program::TextEditor, kFile,
            "code --wait", { "code", "gedit" }, ProgramCommand { "code", { "--wait", kFile } } },
        ChoiceRow { "visual with a quoted path", Program::TextEditor, kFile,
            "\"/opt/my editor/ed\" -n", { "/opt/my editor/ed" },
            ProgramCommand { "/opt/my editor/ed", { "-n", kFile } } },
        ChoiceRow { "visual not installed", Program::TextEditor, kFile, "nosuch", { "gedit" },
            ProgramCommand { "gedit", { kFile } } },
        ChoiceRow { "desktop editors in order", Program::TextEditor, kFile, "",
            { "pluma", "kate", "gedit" }, ProgramCommand { "gedit", { kFile } } },
        ChoiceRow { "no file: the editor alone", Program::TextEditor, "", "", { "mousepad" },
            ProgramCommand { "mousepad", {} } },
        ChoiceRow { "only the opener", Program::TextEditor, kFile, "", { "xdg-open" },
            ProgramCommand { "xdg-open", { kFile } } },
        ChoiceRow {
            "the opener needs a file", Program::TextEditor, "", "", { "xdg-open" }, std::nullopt },
        ChoiceRow { "nothing installed", Program::TextEditor, kFile, "", {}, std::nullopt },
        ChoiceRow { "office suite writer", Program::WordProcessor, kFile, "",
            { "abiword", "libreoffice" }, ProgramCommand { "libreoffice", { "--writer", kFile } } },
        ChoiceRow { "word processor", Program::WordProcessor, kFile, "", { "abiword", "gedit" },
            ProgramCommand { "abiword", { kFile } } },
        ChoiceRow { "word processor falls back on the editor", Program::WordProcessor, "", "vi",
            { "vi", "kate" }, ProgramCommand { "vi", {} } },
        ChoiceRow { "the file manager is not a program", Program::FileManager, "", "",
            { "xdg-open", "gedit" }, std::nullopt }));

TEST(HelpFile, BesideTheExecutableFirstThenTheDataFolders)
{
    QTemporaryDir dir;
    const QString bin = dir.filePath("prefix/bin");
    const QString data = dir.filePath("data");
    QDir().mkpath(bin);
    EXPECT_EQ(FindHelpFile(bin, { data }), std::nullopt);

    const QString inData = test::WriteFile(data + "/pixmaro/Pixmaro.html", "<html>");
    EXPECT_EQ(FindHelpFile(bin, { dir.filePath("none"), data }), inData);

    const QString inShare = test::WriteFile(dir.filePath("prefix/share/pixmaro/Pixmaro.html"));
    EXPECT_EQ(FindHelpFile(bin, { data }), inShare);

    const QString beside = test::WriteFile(bin + "/Pixmaro.html");
    EXPECT_EQ(FindHelpFile(bin, { data }), beside);

    // A folder of that name is not the page.
    QFile::remove(beside);
    QDir().mkpath(beside);
    EXPECT_EQ(FindHelpFile(bin, { data }), inShare);
}

} // namespace
} // namespace pixmaro
