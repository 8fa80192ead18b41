// The editor's text files: bytes to the text shown and back, line ends written as CR LF, and the
// file's own encoding kept.
#pragma once

#include <QByteArray>
#include <QString>

namespace pixmaro {

/// How a file's bytes map to text: UTF-8 when they are valid UTF-8 (a byte-order mark is kept as
/// a character), otherwise one character per byte (Latin-1), so every byte comes back as it was.
enum class TextEncoding { Utf8, Latin1 };

struct DecodedText {
    QString text; // lines separated by "\n"
    TextEncoding encoding = TextEncoding::Utf8;
};

/// The text of a file: CR LF, a lone CR and a lone LF each end a line; the lines are joined with
/// "\n" and a line end after the last line is kept as a final "\n".
DecodedText DecodeTextFile(const QByteArray &bytes);

/// The bytes of a text for a file: each line (split at "\n") ended by CR LF; a final "\n" ends the
/// last line rather than starting an empty one, and an empty text is no bytes at all. Latin-1 is
/// kept when every character fits it; otherwise the file becomes UTF-8 so nothing typed is lost.
QByteArray EncodeTextFile(const QString &text, TextEncoding encoding);

/// The text the editor shows for a generated page: its CR LF line ends become "\n".
QString TextOfPage(const QString &page);

} // namespace pixmaro
