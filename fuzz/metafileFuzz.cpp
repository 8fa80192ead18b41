// Fuzz target: the metafile reader and player on arbitrary bytes.
#include "imaging/Picture.h"
#include "imaging/metafile/Metafile.h"

#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Text records need the fonts of a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace pixmaro;
    metafile::Metafile m;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (metafile::Metafile::Read(bytes, m)) {
        WorkingBitmap out;
        out.resize(std::min(m.width(), 128), std::min(m.height(), 128));
        QImage canvas = ImageOver(out);
        QPainter painter(&canvas);
        m.play(painter, QRectF(0, 0, out.width(), out.height()));
    }
    return 0;
}
