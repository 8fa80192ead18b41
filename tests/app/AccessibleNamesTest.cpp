// What assistive technology reads: every control that can be operated has a name (its text, its
// label's caption or an explicit name), plain labels keep their own text, and the duplicate-names
// dialog answers to Enter, Escape and its close box.
#include "MainWindowFixture.h"
#include "job/DupeWarnDialog.h"
#include "job/PreRunChecks.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

namespace pixmaro::test {
namespace {

QString AccessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

TEST_F(MainWindowTest, NamedControlsAsAssistiveTechnologyReadsThem)
{
    open();
    struct Row {
        const char *object;
        const char *name;
    };
    for (const Row &row : { Row { "fDir", "Input Folder" }, Row { "fBox", "Input Files" },
             Row { "fNewDir", "Output Folder" }, Row { "fNewBox", "Output Files" },
             Row { "lbMFL", "Selected Files" }, Row { "mHelp", "Helpful Hints" },
             Row { "eWidth", "Width" }, Row { "eHeight", "Height" }, Row { "pBar", "Progress" },
             Row { "sbDefaults", "Reset Settings to Defaults" },
             Row { "bRefreshView", "Refresh Directory & File lists" },
             Row { "SpeedButton2", "Launch Explorer" }, Row { "sbAbout", "About Pixmaro" },
             Row { "sbHelp", "Pixmaro Help" }, Row { "ePreT", "Output File Qualifier" },
             Row { "eSeq", "Seq #" }, Row { "tbJpg", "Jpeg Compression" },
             Row { "bNxt1", "Next =>" }, Row { "bGO", "GO" },
             Row { "cbRatio", "Maintain aspect ratio" } })
        EXPECT_EQ(AccessibleName(find<QWidget>(row.object)), row.name) << row.object;
    for (const char *hint : { "sbDefaults", "bRefreshView", "SpeedButton2", "sbAbout", "sbHelp" })
        EXPECT_EQ(find<QWidget>(hint)->toolTip(), AccessibleName(find<QWidget>(hint)));
    EXPECT_EQ(AccessibleName(window.get()), window->windowTitle());
}

TEST_F(MainWindowTest, EveryShownControlHasANameAndLabelsKeepTheirText)
{
    open();
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QByteArray name = widget->objectName().toLatin1();
        if (name.isEmpty() || !shown(name.constData()))
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (!label->text().isEmpty()) {
                EXPECT_TRUE(label->accessibleName().isEmpty()) << name.constData();
            }
            continue;
        }
        const bool operable = qobject_cast<QAbstractButton *>(widget)
            || qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractItemView *>(widget)
            || qobject_cast<QSlider *>(widget) || qobject_cast<QComboBox *>(widget)
            || qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<QProgressBar *>(widget);
        if (operable) {
            EXPECT_FALSE(AccessibleName(widget).isEmpty()) << name.constData();
        }
    }
}

/// Runs `answer` on the duplicate-names dialog once it is open.
void WhenOpen(std::function<void(DupeWarnDialog &)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto *dialog = qobject_cast<DupeWarnDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

TEST(DupeWarnDialog, EnterGoesOnEscapeAndCloseStay)
{
    DupeWarnDialog dialog;
    EXPECT_EQ(dialog.objectName(), "TForm3");
    auto *memo = dialog.findChild<QPlainTextEdit *>("Memo1");
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->toPlainText().split('\n').size(), 15);
    EXPECT_EQ(memo->toPlainText().split('\n')[3],
        "If a conversion is done on the selected files, some files will be overwritten.  For ");

    QString shownLabel;
    bool centred = false;
    WhenOpen([&](DupeWarnDialog &d) {
        shownLabel = d.label()->text();
        centred = d.label()->x() == (d.width() - d.label()->width()) / 2;
        QTest::keyClick(&d, Qt::Key_Return);
    });
    EXPECT_TRUE(dialog.confirm("MYPIC1.BMP and MYPIC1.JPG"));
    EXPECT_EQ(shownLabel, "MYPIC1.BMP and MYPIC1.JPG");
    EXPECT_TRUE(centred);

    WhenOpen([](DupeWarnDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); });
    EXPECT_FALSE(dialog.confirm("a.bmp and a.jpg"));
    WhenOpen([](DupeWarnDialog &d) { d.close(); });
    EXPECT_FALSE(dialog.confirm("a.bmp and a.jpg"));
    WhenOpen([](DupeWarnDialog &d) { d.findChild<QPushButton *>("bOK")->click(); });
    EXPECT_TRUE(dialog.confirm("a.bmp and a.jpg"));
}

TEST(DupeWarnDialog, ALongLabelStaysInsideTheDialog)
{
    DupeWarnDialog dialog;
    const QString name = QString(120, 'x') + ".bmp";
    bool inside = false;
    WhenOpen([&](DupeWarnDialog &d) {
        inside = d.label()->x() >= 0 && d.label()->geometry().right() < d.width();
        d.reject();
    });
    dialog.confirm(name + " and " + name);
    EXPECT_TRUE(inside);
}

} // namespace
} // namespace pixmaro::test
