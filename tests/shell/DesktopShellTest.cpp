// Tests of the desktop shell: what it hands to the desktop (recorded, nothing is started) and a
// real move into a freedesktop.org trash inside a temporary home.
#include "shell/DesktopShell.h"

#include "shell/ProgramLookup.h"
#include "support/ScopedEnv.h"
#include "support/TempFiles.h"

#include <QCoreApplication>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <vector>

namespace pixmaro {

inline void PrintTo(const ProgramCommand &c, std::ostream *os)
{
    *os << c.program.toStdString() << " [" << c.arguments.join("|").toStdString() << "]";
}

namespace {

using test::ReadFile;
using test::WriteFile;

using test::ScopedEnv;

/// Stands in for the desktop: records what would be opened or started.
struct Recorder {
    std::vector<QUrl> opened;
    std::vector<ProgramCommand> started;
    bool openResult = true;
    QStringList programs; // what exists

    DesktopLaunch launch()
    {
        return { [this](const QUrl &url) {
                    opened.push_back(url);
                    return openResult;
                },
            [this](const QString &program, const QStringList &arguments) {
                started.push_back({ program, arguments });
                return true;
            },
            [this](const QString &program) { return programs.contains(program); } };
    }
};

/// The freedesktop.org folders of a temporary desktop with no applications.
class TemporaryDesktop {
public:
    TemporaryDesktop()
        : m_configHome("XDG_CONFIG_HOME", m_root.filePath("config"))
        , m_configDirs("XDG_CONFIG_DIRS", m_root.filePath("etc-xdg"))
        , m_dataHome("XDG_DATA_HOME", m_root.filePath("data"))
        , m_dataDirs("XDG_DATA_DIRS", m_root.filePath("usr"))
        , m_desktop("XDG_CURRENT_DESKTOP", "")
    {
    }
    QString dataDir() const { return m_root.filePath("usr"); }

private:
    QTemporaryDir m_root;
    ScopedEnv m_configHome, m_configDirs, m_dataHome, m_dataDirs, m_desktop;
};

TEST(DesktopShell, WebAddressesGoToTheDesktopAsTheyAre)
{
    Recorder recorder;
    DesktopShell shell(recorder.launch());
    EXPECT_TRUE(shell.openWithAssociatedProgram("https://example.org/a b?x=1#top"));
    EXPECT_TRUE(shell.openWithAssociatedProgram("mailto:ann@example.org"));
    recorder.openResult = false;
    EXPECT_FALSE(shell.openWithAssociatedProgram("http://example.org/"));
    ASSERT_EQ(recorder.opened.size(), 3u);
    EXPECT_EQ(recorder.opened[0], QUrl("https://example.org/a b?x=1#top"));
    EXPECT_EQ(recorder.opened[1].scheme(), "mailto");

    for (const char *path : { "/home/ann/a.jpg", "C:\\Pics\\a.jpg", "file:///tmp/a.jpg", "a.jpg" })
        EXPECT_FALSE(IsWebAddress(path)) << path;
}

TEST(DesktopShell, AFileOpensOnlyWhenAProgramIsAssociatedWithItsTypeOrAnAncestor)
{
    TemporaryDesktop desktop;
    // The desktop's own MIME database: pages, plain text, and notes that are a kind of text.
    WriteFile(desktop.dataDir() + "/mime/packages/pixmaro-test.xml",
        "<?xml version=\"1.0\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "<mime-type type=\"text/html\"><glob pattern=\"*.htm\"/></mime-type>\n"
        "<mime-type type=\"text/plain\"><glob pattern=\"*.txt\"/></mime-type>\n"
        "<mime-type type=\"application/x-pixmaro-note\"><sub-class-of type=\"text/plain\"/>"
        "<glob pattern=\"*.note\"/></mime-type>\n"
        "</mime-info>\n");
    QTemporaryDir dir;
    const QString page = WriteFile(dir.filePath("page #1.htm"), "<html><body>x</body></html>");
    const QString note = WriteFile(dir.filePath("a.note"), "text");
    Recorder recorder;
    DesktopShell shell(recorder.launch());

    EXPECT_FALSE(shell.openWithAssociatedProgram(page));
    EXPECT_FALSE(shell.openWithAssociatedProgram(note));
    EXPECT_FALSE(shell.openWithAssociatedProgram(dir.filePath("missing.htm")));
    EXPECT_TRUE(recorder.opened.empty());

    WriteFile(desktop.dataDir() + "/applications/browser.desktop",
        "[Desktop Entry]\nType=Application\nExec=browser %u\nMimeType=text/html;\n");
    WriteFile(desktop.dataDir() + "/applications/editor.desktop",
        "[Desktop Entry]\nType=Application\nExec=editor %f\nMimeType=text/plain;\n");
    EXPECT_TRUE(shell.openWithAssociatedProgram(page));
    EXPECT_TRUE(shell.openWithAssociatedProgram(QUrl::fromLocalFile(page).toString()));
    EXPECT_TRUE(shell.openWithAssociatedProgram(note));
    const std::vector<QUrl> opened { QUrl::fromLocalFile(page), QUrl::fromLocalFile(page),
        QUrl::fromLocalFile(note) };
    EXPECT_EQ(recorder.opened, opened);

    // The desktop refusing the request is a failure too.
    recorder.openResult = false;
    EXPECT_FALSE(shell.openWithAssociatedProgram(page));
}

TEST(DesktopShell, ProgramsStartWithAnArgumentListAndFoldersOpenInTheFileManager)
{
    ScopedEnv visual("VISUAL", "myed -x");
    Recorder recorder;
    recorder.programs = { "myed", "abiword" };
    DesktopShell shell(recorder.launch());
    QTemporaryDir dir;
    const QString file = dir.filePath("My Web;1.htm");

    shell.startProgram(Shell::Program::TextEditor, file);
    shell.startProgram(Shell::Program::WordProcessor);
    shell.startProgram(Shell::Program::FileManager);
    shell.startProgram(Shell::Program::FileManager, dir.path());
    shell.exploreFolder(dir.path());

    const std::vector<ProgramCommand> started { { "myed", { "-x", file } }, { "abiword", {} } };
    EXPECT_EQ(recorder.started, started);
    const std::vector<QUrl> opened { QUrl::fromLocalFile(QDir::homePath()),
        QUrl::fromLocalFile(dir.path()), QUrl::fromLocalFile(dir.path()) };
    EXPECT_EQ(recorder.opened, opened);

    // Nothing available: nothing starts, and nothing is reported.
    recorder.programs.clear();
    shell.startProgram(Shell::Program::TextEditor, file);
    EXPECT_EQ(recorder.started.size(), 2u);
}

TEST(DesktopShell, HelpOpensThePageBesideTheExecutable)
{
    Recorder recorder;
    DesktopShell shell(recorder.launch());
    shell.showHelpContents();
    // The build copies the page beside the executables.
    const QString beside = QCoreApplication::applicationDirPath() + "/Pixmaro.html";
    ASSERT_TRUE(QFileInfo::exists(beside));
    ASSERT_EQ(recorder.opened.size(), 1u);
    EXPECT_EQ(recorder.opened[0], QUrl::fromLocalFile(beside));
}

TEST(DesktopShell, TrashedFilesLandInTheTrashWithTheirInformation)
{
    QTemporaryDir dir;
    // The home and the files on the same file system, so the home trash is the one used.
    ScopedEnv home("HOME", dir.filePath("home"));
    ScopedEnv data("XDG_DATA_HOME", dir.filePath("home/.local/share"));
    QDir().mkpath(dir.filePath("home"));
    const QString a = WriteFile(dir.filePath("Pics/My a.jpg"), "first");
    const QString b = WriteFile(dir.filePath("Pics/b.jpg"), "second");
    const QString missing = dir.filePath("Pics/c.jpg");

    DesktopShell shell;
    EXPECT_EQ(shell.moveToTrash({ a, missing, b }), QStringList { missing });
    EXPECT_FALSE(QFileInfo::exists(a));
    EXPECT_FALSE(QFileInfo::exists(b));

    const QString trash = dir.filePath("home/.local/share/Trash");
    EXPECT_EQ(ReadFile(trash + "/files/My a.jpg"), "first");
    EXPECT_EQ(ReadFile(trash + "/files/b.jpg"), "second");
    const QByteArray info = ReadFile(trash + "/info/My a.jpg.trashinfo");
    EXPECT_TRUE(info.startsWith("[Trash Info]\n")) << info.constData();
    // The path in the information file, percent-encoded or not, decodes to where the file was.
    const qsizetype at = info.indexOf("\nPath=") + 6;
    const QByteArray stored = info.mid(at, info.indexOf('\n', at) - at);
    EXPECT_EQ(QUrl::fromPercentEncoding(stored), a) << info.constData();
    EXPECT_TRUE(info.contains("\nDeletionDate=")) << info.constData();
}

TEST(DesktopShell, AFileThatCannotBeTrashedStaysWhereItIs)
{
    QTemporaryDir dir;
    // No trash can be made below a plain file.
    const QString plain = WriteFile(dir.filePath("plain"), "not a folder");
    ScopedEnv home("HOME", dir.filePath("home"));
    ScopedEnv data("XDG_DATA_HOME", plain + "/share");
    QDir().mkpath(dir.filePath("home"));
    QDir().mkpath(dir.filePath("cwd"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.filePath("cwd"));
    const QString file = WriteFile(dir.filePath("Pics/a.jpg"), "keep me");

    DesktopShell shell;
    EXPECT_EQ(shell.moveToTrash({ file }), QStringList { file });
    QDir::setCurrent(previous);
    EXPECT_EQ(ReadFile(file), "keep me");
    EXPECT_TRUE(QDir(dir.filePath("cwd")).isEmpty());
}

} // namespace
} // namespace pixmaro
