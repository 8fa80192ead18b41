// Runs one cross-fade pass without a screen and writes every frame the control repaints as a PNG:
//   fade_frames <from> <to> <out-folder> [forward|blend|dissolve] [rate] [WxH]
// "forward" (the default) is the blend from the first picture to the second at BlendRate `rate`
// (default 32) with the control taking the first picture's size; "blend" and "dissolve" also run
// the reverse pass (DisolvRate `rate` for the dissolve). WxH scales both pictures to that size.
#include "about/CrossFadePicture.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

using namespace pixmaro;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr,
            "usage: fade_frames <from> <to> <out-folder> [forward|blend|dissolve] [rate] [WxH]\n");
        return 2;
    }
    FadePicture from, to;
    if (!from.load(args[1]) || !to.load(args[2])) {
        std::fprintf(stderr, "Could not open the pictures\n");
        return 1;
    }
    const QString folder = args[3];
    const QString mode = args.size() > 4 ? args[4] : QStringLiteral("forward");
    const int rate = args.size() > 5 ? args[5].toInt() : 32;
    QDir().mkpath(folder);

    CrossFadePicture fade;
    fade.setMsecPerFrame(0);
    fade.setSwapDelay(0);
    if (args.size() > 6) {
        const QStringList size = args[6].split(u'x');
        if (size.size() == 2)
            fade.resize(size[0].toInt(), size[1].toInt());
    } else {
        fade.setStretchToFit(false);
    }
    fade.setPicFrom(from);
    fade.setPicTo(to);
    fade.setBlendRate(rate);
    fade.setDisolvRate(rate);
    fade.setAutoReverse(mode != QStringLiteral("forward"));
    fade.setSwapOnReverse(mode == QStringLiteral("dissolve"));

    int frame = 0;
    bool failed = false;
    QObject::connect(&fade, &CrossFadePicture::framePainted, [&](CrossFadePicture *sender) {
        const QString path
            = QStringLiteral("%1/frame%2.png").arg(folder).arg(frame++, 4, 10, QChar(u'0'));
        if (!sender->displayImage().save(path))
            failed = true;
    });
    fade.show();
    fade.Blend();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!fade.isPassRunning())
            app.quit();
    });
    poll.start(5);
    app.exec();
    std::printf("%d frames written to %s\n", frame, qPrintable(folder));
    return failed ? 1 : 0;
}
