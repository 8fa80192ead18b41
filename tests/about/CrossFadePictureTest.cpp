// The cross-fade control: its properties, its passes on worker threads with their frames and
// events, and its destruction in every phase of a pass.
#include "about/CrossFadePicture.h"

#include "about/SolidPicture.h"
#include "about/Waiting.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace pixmaro {
namespace {

using test::Solid;
using test::WaitUntil;

// Counts a control's events and keeps the frames it paints.
struct Recorder {
    int begins = 0, ends = 0, resets = 0;
    std::vector<QImage> frames;
    std::function<void(CrossFadePicture *)> onBegin, onEnd, onReset, onFrame;

    void watch(CrossFadePicture &fade)
    {
        QObject::connect(&fade, &CrossFadePicture::OnBegin, [this](CrossFadePicture *f) {
            ++begins;
            if (onBegin)
                onBegin(f);
        });
        QObject::connect(&fade, &CrossFadePicture::OnEnd, [this](CrossFadePicture *f) {
            ++ends;
            if (onEnd)
                onEnd(f);
        });
        QObject::connect(&fade, &CrossFadePicture::OnReset, [this](CrossFadePicture *f) {
            ++resets;
            if (onReset)
                onReset(f);
        });
        QObject::connect(&fade, &CrossFadePicture::framePainted, [this](CrossFadePicture *f) {
            frames.push_back(f->displayImage());
            if (onFrame)
                onFrame(f);
        });
    }
};

bool AllPixels(const QImage &image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF))
                return false;
    return !image.isNull();
}

int CountPixels(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

// A small control that runs its passes without pauses.
std::unique_ptr<CrossFadePicture> QuickControl(int w = 20, int h = 10)
{
    auto fade = std::make_unique<CrossFadePicture>();
    fade->resize(w, h);
    fade->setMsecPerFrame(0);
    fade->setSwapDelay(0);
    return fade;
}

TEST(CrossFadePicture, DefaultsAndClamps)
{
    CrossFadePicture fade;
    EXPECT_EQ(fade.objectName(), QStringLiteral("TVelkFade"));
    EXPECT_EQ(fade.size(), QSize(75, 75));
    EXPECT_EQ(fade.ColorFrom(), 0x000000u);
    EXPECT_EQ(fade.ColorTo(), 0xFFFFFFu);
    EXPECT_EQ(fade.DisolvRate(), 125);
    EXPECT_EQ(fade.BlendRate(), 32);
    EXPECT_TRUE(fade.StretchToFit());
    EXPECT_FALSE(fade.ProcessMsgs());
    EXPECT_FALSE(fade.AutoReverse());
    EXPECT_TRUE(fade.SwapOnReverse());
    EXPECT_EQ(fade.SwapDelay(), 1);
    EXPECT_EQ(fade.MsecPerFrame(), 40);
    EXPECT_TRUE(AllPixels(fade.displayImage(), qRgb(0, 0, 0)));

    struct Row {
        int set, wantDisolv, wantBlend;
    };
    for (const Row row : { Row { 0, 1, 1 }, { -5, 1, 1 }, { 300, 300, 300 }, { 5625, 5625, 5625 },
             { 5626, 5625, 5626 }, { INT_MAX, 5625, INT_MAX } }) {
        fade.setDisolvRate(row.set);
        fade.setBlendRate(row.set);
        EXPECT_EQ(fade.DisolvRate(), row.wantDisolv) << row.set;
        EXPECT_EQ(fade.BlendRate(), row.wantBlend) << row.set;
    }
    // An empty control keeps a dissolve rate of 1, never 0.
    fade.resize(0, 0);
    fade.setDisolvRate(125);
    EXPECT_EQ(fade.DisolvRate(), 1);
}

TEST(CrossFadePicture, AssigningAPictureResetsOnceAlsoWhenItResizesTheControl)
{
    CrossFadePicture fade;
    fade.show(); // a shown control gets its resize event at once, inside the render
    fade.setStretchToFit(false);
    Recorder events;
    events.watch(fade);
    fade.setPicFrom(Solid(30, 20, Qt::red));
    EXPECT_EQ(events.resets, 1);
    EXPECT_EQ(fade.size(), QSize(30, 20));
    EXPECT_TRUE(AllPixels(fade.displayImage(), qRgb(255, 0, 0)));
    fade.setColorFrom(0x000000); // unchanged: no render
    EXPECT_EQ(events.resets, 1);
    fade.setColorTo(0x0000FF);
    EXPECT_EQ(events.resets, 2);
}

TEST(CrossFadePicture, ForwardPassShowsEveryWeightFromStartToTarget)
{
    auto fade = QuickControl();
    fade->setMsecPerFrame(-40); // stored as it is; a pause below 0 is no pause
    EXPECT_EQ(fade->MsecPerFrame(), -40);
    Recorder events;
    events.watch(*fade);
    fade->Blend();
    ASSERT_TRUE(WaitUntil([&] { return events.ends == 1; }));
    EXPECT_FALSE(fade->isPassRunning());
    EXPECT_EQ(events.begins, 1);
    EXPECT_EQ(events.resets, 1);
    ASSERT_EQ(events.frames.size(), 33u);
    for (int f = 0; f <= 32; ++f) {
        const int level = 255 * f / 32; // black to white at weight f
        EXPECT_TRUE(AllPixels(events.frames[std::size_t(f)], qRgb(level, level, level))) << f;
    }
    EXPECT_TRUE(AllPixels(fade->displayImage(), qRgb(255, 255, 255)));
    fade->Reset();
    EXPECT_TRUE(AllPixels(fade->displayImage(), qRgb(0, 0, 0)));
}

// The user-interface thread may read the display at any moment of a pass: it sees whole frames.
TEST(CrossFadePicture, TheDisplayReadDuringAPassIsAlwaysAWholeFrame)
{
    auto fade = QuickControl(64, 64);
    fade->setBlendRate(300);
    Recorder events;
    events.watch(*fade);
    int reads = 0, torn = 0;
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [&] {
        const QImage image = fade->displayImage();
        ++reads;
        torn += !AllPixels(image, image.pixel(0, 0));
    });
    reader.start(0);
    fade->Blend();
    ASSERT_TRUE(WaitUntil([&] { return events.ends == 1; }));
    EXPECT_GT(reads, 0);
    EXPECT_EQ(torn, 0);
}

TEST(CrossFadePicture, BlendDuringAPassIsIgnoredAndFromOnEndStartsANewPass)
{
    auto fade = QuickControl();
    fade->setBlendRate(4);
    fade->setMsecPerFrame(5);
    Recorder events;
    events.watch(*fade);
    events.onBegin = [](CrossFadePicture *f) { f->Blend(); };
    events.onEnd = [&](CrossFadePicture *f) {
        if (events.ends == 1)
            f->Blend(); // the pass is over: this one runs
    };
    fade->Blend();
    fade->Blend();
    ASSERT_TRUE(WaitUntil([&] { return events.ends == 2 && !fade->isPassRunning(); }));
    EXPECT_EQ(events.begins, 2);
    EXPECT_EQ(events.frames.size(), 10u);
}

TEST(CrossFadePicture, ReverseBlendRestoresEverythingAndKeepsTheSize)
{
    auto fade = QuickControl();
    fade->setStretchToFit(false);
    fade->setPicFrom(Solid(8, 6, Qt::red));
    fade->setPicTo(Solid(4, 4, Qt::blue));
    fade->setColorFrom(0x00FF00);
    fade->setBlendRate(3);
    fade->setAutoReverse(true);
    fade->setSwapOnReverse(false);
    fade->setSwapDelay(-1);
    const QImage start = fade->displayImage();
    Recorder events;
    events.watch(*fade);
    bool reverseRunningAtEnd = false;
    events.onEnd = [&](CrossFadePicture *f) { reverseRunningAtEnd = f->isPassRunning(); };
    std::vector<QSize> sizes;
    events.onFrame = [&](CrossFadePicture *f) { sizes.push_back(f->size()); };
    fade->Blend();
    ASSERT_TRUE(WaitUntil([&] { return events.ends == 1 && !fade->isPassRunning(); }));
    EXPECT_TRUE(reverseRunningAtEnd);
    EXPECT_EQ(events.begins, 1);
    // One at the start of the forward pass, three as the reverse pass starts, one at its end.
    EXPECT_EQ(events.resets, 5);
    ASSERT_EQ(events.frames.size(), 8u);
    EXPECT_TRUE(AllPixels(events.frames[3], qRgb(0, 0, 255)));
    EXPECT_TRUE(AllPixels(events.frames[4], qRgb(0, 0, 255))); // the reverse starts on the target
    EXPECT_TRUE(AllPixels(events.frames[7], qRgb(255, 0, 0)));
    for (const QSize &size : sizes)
        EXPECT_EQ(size, QSize(8, 6));
    EXPECT_FALSE(fade->StretchToFit());
    EXPECT_EQ(fade->ColorFrom(), 0x00FF00u);
    EXPECT_EQ(fade->ColorTo(), 0xFFFFFFu);
    EXPECT_EQ(fade->PicFrom().width(), 8);
    EXPECT_EQ(fade->PicTo().width(), 4);
    EXPECT_EQ(fade->displayImage(), start);
}

TEST(CrossFadePicture, ReverseDissolveCopiesTheScheduledPixelsPerFrame)
{
    auto fade = QuickControl(75, 75);
    fade->setAutoReverse(true);
    fade->setBlendRate(2);
    Recorder events;
    events.watch(*fade);
    fade->Blend();
    ASSERT_TRUE(WaitUntil([&] { return events.ends == 1 && !fade->isPassRunning(); }));
    EXPECT_EQ(events.resets, 5);
    // Three blend frames, then 125 timed steps of 45 pixels and the (empty) remainder.
    ASSERT_EQ(events.frames.size(), 3u + 126u);
    for (int step = 0; step < 126; ++step)
        ASSERT_EQ(CountPixels(events.frames[std::size_t(3 + step)], qRgb(0, 0, 0)),
            std::min(45 * (step + 1), 5625))
            << step;
    EXPECT_TRUE(AllPixels(fade->displayImage(), qRgb(0, 0, 0)));
}

TEST(CrossFadePicture, DissolveOfAnEmptyControlGoesStraightToItsReset)
{
    auto fade = QuickControl(0, 0);
    fade->setAutoReverse(true);
    fade->setBlendRate(1);
    Recorder events;
    events.watch(*fade);
    fade->Blend();
    ASSERT_TRUE(WaitUntil([&] { return events.ends == 1 && !fade->isPassRunning(); }));
    EXPECT_EQ(events.frames.size(), 2u);
    EXPECT_EQ(events.resets, 5);
}

TEST(CrossFadePicture, SettingsChangedDuringAReversePassKeepTheirMeaning)
{
    auto fade = QuickControl();
    fade->setAutoReverse(true);
    fade->setSwapOnReverse(false);
    fade->setBlendRate(4);
    Recorder events;
    events.watch(*fade);
    events.onFrame = [&](CrossFadePicture *f) {
        if (events.frames.size() == 7) { // inside the reverse pass
            f->setColorFrom(0x0000FF);
            f->setBlendRate(0); // stored as 1; the running pass keeps its own copy
        }
    };
    fade->Blend();
    ASSERT_TRUE(WaitUntil([&] { return events.ends == 1 && !fade->isPassRunning(); }));
    EXPECT_EQ(events.frames.size(), 10u);
    EXPECT_EQ(fade->ColorFrom(), 0x0000FFu);
    EXPECT_EQ(fade->ColorTo(), 0xFFFFFFu);
    EXPECT_TRUE(AllPixels(fade->displayImage(), qRgb(255, 0, 0)));
}

TEST(CrossFadePicture, AResizeDuringAPassEndsItCleanly)
{
    auto fade = QuickControl();
    fade->setMsecPerFrame(2);
    fade->show(); // a hidden control takes its new size when it is shown
    Recorder events;
    events.watch(*fade);
    events.onFrame = [](CrossFadePicture *f) { f->resize(30, 30); };
    fade->Blend();
    ASSERT_TRUE(WaitUntil([&] { return events.ends == 1 && !fade->isPassRunning(); }));
    EXPECT_EQ(events.frames.size(), 1u);
    EXPECT_EQ(fade->displayImage().size(), QSize(30, 30));
    fade->Blend();
    ASSERT_TRUE(WaitUntil([&] { return events.ends == 2; }));
}

// Destroying the control ends its pass and returns quickly in every phase: from the test between
// events, or from inside one of the control's own events.
TEST(CrossFadePicture, DestructionInEveryPhaseOfEveryPassIsQuick)
{
    enum class Where { InHandler, AfterHandler };
    // Which pass pauses a minute after each frame: a pass copies the pause when it starts, so the
    // reverse pass gets it when it is set during the last forward frame.
    enum class Slow { None, Forward, Reverse };
    enum class Event { Begin, Frame, Reset, End };
    struct Phase {
        const char *name;
        bool autoReverse, dissolve;
        Slow slow;
        int swapDelay;
        Event event; // the event that marks the phase, and how many of it
        int count;
        Where where;
    };
    const Phase phases[] = {
        { "in OnBegin", false, false, Slow::Forward, 0, Event::Begin, 1, Where::InHandler },
        { "in the forward pass's first reset", false, false, Slow::None, 0, Event::Reset, 1,
            Where::InHandler },
        { "painting a forward frame", false, false, Slow::None, 0, Event::Frame, 2,
            Where::InHandler },
        { "in a forward pause", false, false, Slow::Forward, 0, Event::Frame, 1,
            Where::AfterHandler },
        { "in the pause before the reverse pass", true, true, Slow::None, 60, Event::Frame, 5,
            Where::AfterHandler },
        { "in the reverse preparation", true, true, Slow::None, 0, Event::Reset, 3,
            Where::InHandler },
        { "in OnEnd with the reverse pass running", true, false, Slow::Reverse, 0, Event::End, 1,
            Where::InHandler },
        { "in a reverse blend pause", true, false, Slow::Reverse, 0, Event::Frame, 6,
            Where::AfterHandler },
        { "in a reverse dissolve pause", true, true, Slow::Reverse, 0, Event::Frame, 6,
            Where::AfterHandler },
        { "painting a dissolve frame", true, true, Slow::None, 0, Event::Frame, 20,
            Where::InHandler },
        { "in the final reset of the reverse pass", true, true, Slow::None, 0, Event::Reset, 5,
            Where::InHandler },
    };
    for (const Phase &phase : phases) {
        SCOPED_TRACE(phase.name);
        QPointer<CrossFadePicture> fade = new CrossFadePicture;
        fade->resize(16, 8);
        fade->setBlendRate(4);
        fade->setAutoReverse(phase.autoReverse);
        fade->setSwapOnReverse(phase.dissolve);
        fade->setMsecPerFrame(phase.slow == Slow::Forward ? 60000 : 0);
        fade->setSwapDelay(phase.swapDelay);
        Recorder events;
        events.watch(*fade);
        bool reached = false;
        qint64 deleteMsec = -1;
        auto arrive = [&](int count, CrossFadePicture *f) {
            if (count != phase.count || reached)
                return;
            reached = true;
            if (phase.where == Where::InHandler) {
                QElapsedTimer clock;
                clock.start();
                delete f;
                deleteMsec = clock.elapsed();
            }
        };
        events.onBegin = [&](CrossFadePicture *f) {
            if (phase.event == Event::Begin)
                arrive(events.begins, f);
        };
        events.onReset = [&](CrossFadePicture *f) {
            if (phase.event == Event::Reset)
                arrive(events.resets, f);
        };
        events.onEnd = [&](CrossFadePicture *f) {
            if (phase.event == Event::End)
                arrive(events.ends, f);
        };
        events.onFrame = [&](CrossFadePicture *f) {
            if (phase.slow == Slow::Reverse && events.frames.size() == 5)
                f->setMsecPerFrame(60000);
            if (phase.event == Event::Frame)
                arrive(int(events.frames.size()), f);
        };
        fade->Blend();
        ASSERT_TRUE(WaitUntil([&] { return reached; }, 10000));
        if (phase.where == Where::AfterHandler) {
            test::LetEventsRun(20); // the worker settles into its pause
            ASSERT_FALSE(fade.isNull());
            EXPECT_TRUE(fade->isPassRunning());
            QElapsedTimer clock;
            clock.start();
            delete fade.data();
            deleteMsec = clock.elapsed();
        }
        EXPECT_TRUE(fade.isNull());
        EXPECT_GE(deleteMsec, 0);
        EXPECT_LT(deleteMsec, 100);
        test::LetEventsRun(10); // nothing the gone control had posted may run now
    }
}

} // namespace
} // namespace pixmaro
