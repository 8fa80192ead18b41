// The about box: its controls, the link, and the cycle of fade, pause, credits roll and reset.
#include "about/AboutBox.h"

#include "about/CreditsPanel.h"
#include "about/CrossFadePicture.h"
#include "about/Label3D.h"
#include "about/UrlLabel.h"
#include "about/Waiting.h"
#include "support/FakeShell.h"
#include "support/Screenshots.h"

#include <QElapsedTimer>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

using test::WaitUntil;

void MouseEnters(QWidget *widget)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(widget, &enter);
}

TEST(AboutBox, ControlsAndSettings)
{
    test::FakeShell shell;
    AboutBox box(nullptr, shell);
    EXPECT_EQ(box.objectName(), QStringLiteral("TfAbout"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Pixmaro"));
    EXPECT_EQ(box.size(), QSize(361, 222));
    struct Row {
        const char *name;
        QRect geometry;
    };
    for (const Row &row : { Row { "SP", { 16, 8, 329, 113 } }, { "VelkFade1", { 88, 5, 160, 102 } },
             { "dxfLabel1", { 0, 128, 361, 33 } }, { "BitBtn1", { 143, 192, 75, 25 } } }) {
        const QWidget *child = box.findChild<QWidget *>(QString::fromLatin1(row.name));
        ASSERT_NE(child, nullptr) << row.name;
        EXPECT_EQ(child->geometry(), row.geometry) << row.name;
    }
    auto *url = box.findChild<UrlLabel *>(QStringLiteral("URLLabel1"));
    ASSERT_NE(url, nullptr);
    EXPECT_EQ(url->pos(), QPoint(128, 168));
    EXPECT_EQ(box.findChild<Label3D *>(QStringLiteral("dxfLabel1"))->text(),
        QStringLiteral("Pixmaro V1.5"));
    EXPECT_EQ(
        box.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->text(), QStringLiteral("OK"));

    auto *fade = box.findChild<CrossFadePicture *>(QStringLiteral("VelkFade1"));
    EXPECT_EQ(fade->parentWidget(), box.findChild<CreditsPanel *>(QStringLiteral("SP")));
    EXPECT_EQ(fade->BlendRate(), 54);
    EXPECT_EQ(fade->MsecPerFrame(), 24);
    EXPECT_FALSE(fade->StretchToFit());
    EXPECT_FALSE(fade->AutoReverse());
    EXPECT_EQ(QSize(fade->PicFrom().width(), fade->PicFrom().height()), QSize(160, 102));
    EXPECT_EQ(QSize(fade->PicTo().width(), fade->PicTo().height()), QSize(160, 102));
    EXPECT_EQ(box.findChild<CreditsPanel *>(QStringLiteral("SP"))->lines().size(), 18);
}

TEST(AboutBox, TheLinkOpensTheAddressThroughTheShell)
{
    test::FakeShell shell;
    AboutBox box(nullptr, shell);
    box.show();
    auto *url = box.findChild<UrlLabel *>(QStringLiteral("URLLabel1"));
    EXPECT_FALSE(url->isHighlighted());
    MouseEnters(url);
    EXPECT_TRUE(url->isHighlighted());
    EXPECT_TRUE(url->font().underline());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(url, &leave);
    EXPECT_FALSE(url->isHighlighted());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(url, &press);
    const std::vector<test::FakeShell::Call> want { { QStringLiteral("open"),
        { AboutBox::kAddress } } };
    EXPECT_EQ(shell.calls, want);
}

TEST(AboutBox, FadePauseRollAndBackToTheFirstPicture)
{
    test::FakeShell shell;
    AboutBox box(nullptr, shell);
    box.show();
    auto *fade = box.findChild<CrossFadePicture *>(QStringLiteral("VelkFade1"));
    auto *panel = box.findChild<CreditsPanel *>(QStringLiteral("SP"));
    const QImage first = fade->displayImage();
    test::SaveScreenshot(box, QStringLiteral("TfAbout"));

    int begins = 0, frames = 0;
    QObject::connect(fade, &CrossFadePicture::OnBegin, [&] { ++begins; });
    QObject::connect(fade, &CrossFadePicture::framePainted, [&] {
        if (++frames == 27)
            test::SaveScreenshot(box, QStringLiteral("TfAbout-mid-fade"));
    });
    MouseEnters(fade);
    EXPECT_TRUE(fade->isPassRunning());
    MouseEnters(fade); // in and out again while it fades: still one pass
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(fade, &leave);
    MouseEnters(fade);
    ASSERT_TRUE(WaitUntil([&] { return !fade->isPassRunning(); }));
    EXPECT_EQ(begins, 1);
    EXPECT_EQ(frames, 55);
    // The second picture shows for a second before the roll.
    EXPECT_TRUE(box.isRollPending());
    EXPECT_TRUE(fade->isVisible());
    EXPECT_NE(fade->displayImage(), first);
    MouseEnters(fade); // the roll comes first
    EXPECT_FALSE(fade->isPassRunning());
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(WaitUntil([&] { return panel->isPlaying(); }));
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_FALSE(fade->isVisible());
    // A further end of a fade starts no second roll.
    Q_EMIT fade->OnEnd(fade);
    EXPECT_FALSE(box.isRollPending());

    ASSERT_TRUE(WaitUntil([&] { return panel->offset() >= 100; }));
    test::SaveScreenshot(box, QStringLiteral("TfAbout-mid-roll"));
    // "OK" during the roll only hides the box; the roll goes on to its end.
    box.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    EXPECT_FALSE(box.isVisible());
    ASSERT_TRUE(WaitUntil([&] { return !panel->isPlaying(); }, 30000));
    EXPECT_GE(panel->rollLength(), 113 + 18 * panel->lineHeight() - 4 * panel->lineHeight());
    box.show();
    EXPECT_TRUE(fade->isVisible());
    EXPECT_EQ(fade->displayImage(), first);
}

TEST(AboutBox, TheRollStepsEveryThirtyMillisecondsAndShowsItsChildrenAgain)
{
    CreditsPanel panel;
    panel.resize(100, 40);
    auto *child = new QWidget(&panel);
    auto *hidden = new QWidget(&panel);
    hidden->hide();
    panel.setLines({ QString(), QString(), QStringLiteral("one"), QStringLiteral("two") });
    EXPECT_EQ(panel.lines().size(), 2); // leading blank lines are not rolled
    EXPECT_EQ(panel.rollLength(), 40 + 2 * panel.lineHeight());
    int stops = 0;
    QObject::connect(&panel, &CreditsPanel::OnStopPlay, [&] { ++stops; });
    panel.show();
    panel.Play();
    EXPECT_TRUE(child->isHidden());
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(WaitUntil([&] { return stops == 1; }, 20000));
    EXPECT_GE(clock.elapsed(), qint64(panel.rollLength() - 1) * CreditsPanel::kStepMsec);
    EXPECT_FALSE(child->isHidden());
    EXPECT_TRUE(hidden->isHidden());
}

TEST(AboutBox, ClosingTheProgramDuringAFadeOrARollIsSafe)
{
    test::FakeShell shell;
    for (bool duringRoll : { false, true }) {
        auto box = std::make_unique<AboutBox>(nullptr, shell);
        box->show();
        auto *fade = box->findChild<CrossFadePicture *>(QStringLiteral("VelkFade1"));
        auto *panel = box->findChild<CreditsPanel *>(QStringLiteral("SP"));
        fade->setMsecPerFrame(0);
        MouseEnters(fade);
        if (duringRoll) {
            ASSERT_TRUE(WaitUntil([&] { return panel->isPlaying(); }));
        }
        box.reset();
        test::LetEventsRun(50);
    }
}

} // namespace
} // namespace pixmaro
