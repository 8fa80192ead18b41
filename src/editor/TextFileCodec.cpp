// The editor's text files: bytes to the text shown and back, line ends written as CR LF, and the
// file's own encoding kept.
#include "editor/TextFileCodec.h"

#include <QStringDecoder>

namespace pixmaro {

namespace {

QString WithNewlines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

bool FitsLatin1(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

} // namespace

DecodedText DecodeTextFile(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    // Only bytes that come back exactly count as UTF-8; anything else is read byte for byte.
    if (!utf8.hasError() && text.toUtf8() == bytes)
        return { WithNewlines(text), TextEncoding::Utf8 };
    return { WithNewlines(QString::fromLatin1(bytes)), TextEncoding::Latin1 };
}

QByteArray EncodeTextFile(const QString &text, TextEncoding encoding)
{
    QString lines = text;
    if (!lines.isEmpty() && !lines.endsWith(u'\n'))
        lines += u'\n';
    lines.replace(u'\n', QLatin1String("\r\n"));
    if (encoding == TextEncoding::Latin1 && FitsLatin1(lines))
        return lines.toLatin1();
    return lines.toUtf8();
}

QString TextOfPage(const QString &page)
{
    return WithNewlines(page);
}

} // namespace pixmaro
