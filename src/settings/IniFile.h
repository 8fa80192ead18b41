// The settings file: a profile-style INI text read and rewritten key by key.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace pixmaro {

/// A profile (INI) file held in memory.
///
/// Section and key names match without regard to letter case; blanks around names and values are
/// ignored; a value is read as at most 2047 characters. The first matching key wins, looking
/// through every section of the name in file order. Writing a key replaces its line, or adds it
/// after the last entry of its section, or adds the section at the end. Every other line keeps its
/// bytes and its own line end; new lines take the file's first line end ("\n" in a new file).
class IniFile {
public:
    static constexpr int kMaxValueLength = 2047;

    IniFile() = default;

    /// Reads the file at `path`. A missing file gives an empty, usable file; a file that exists but
    /// cannot be read gives an empty file that refuses to be saved (so it is never overwritten).
    static IniFile Open(const QString &path);
    /// An in-memory file holding `text` (no path; save() fails).
    static IniFile FromText(const QByteArray &text);

    const QString &path() const { return m_path; }
    /// The whole file as it would be written.
    QByteArray text() const;

    /// The key's text, or nothing when the key (or its section) is missing.
    std::optional<QString> value(const QString &section, const QString &key) const;
    QString readString(const QString &section, const QString &key, const QString &fallback) const;
    /// The key read as an integer (see ParseInteger); missing or malformed gives `fallback`.
    int readInteger(const QString &section, const QString &key, int fallback) const;
    /// A radio-group index: below -1 gives -1, beyond the last of `itemCount` items the last item.
    int readIndex(const QString &section, const QString &key, int fallback, int itemCount) const;

    /// Sets the key's value. Line breaks in `value` become blanks so a value stays on its line.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);

    /// Writes the file to its path: a new file beside it is renamed over the old one, so a failed
    /// save leaves the previous file intact. On failure returns "Unable to write to <path>".
    std::optional<QString> save() const;

private:
    struct Parsed {
        enum Kind { Other, Section, Key } kind = Other;
        QString name; // section or key name, trimmed
        QString value; // key value, trimmed
    };
    struct Line {
        QByteArray content; // without the line end
        QByteArray ending; // "\r\n", "\n" or empty for a last line without one
        Parsed parsed; // what the content means, kept in step with it
    };

    static Parsed parse(const QByteArray &content, bool first);
    int findKey(const QString &section, const QString &key) const;
    QByteArray newLineEnding() const;

    QString m_path;
    bool m_writable = true;
    std::vector<Line> m_lines;
};

} // namespace pixmaro
