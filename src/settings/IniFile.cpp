// The settings file: a profile-style INI text read and rewritten key by key.
#include "settings/IniFile.h"

#include "base/IntegerText.h"
#include "base/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pixmaro {

namespace {

// A settings file is small; anything far larger is not one, and is neither read nor replaced.
constexpr qint64 kMaxFileSize = qint64(256) * 1024 * 1024;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

QByteArrayView Trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && IsBlank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && IsBlank(v.back()))
        v.chop(1);
    return v;
}

QString Decode(QByteArrayView v)
{
    return QString::fromUtf8(v);
}

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFile::Parsed IniFile::parse(const QByteArray &content, bool first)
{
    QByteArrayView v(content);
    if (first && v.startsWith("\xEF\xBB\xBF"))
        v = v.sliced(3);
    v = Trimmed(v);
    Parsed p;
    if (v.startsWith('[')) {
        const qsizetype close = v.indexOf(']');
        if (close > 0) {
            p.kind = Parsed::Section;
            p.name = Decode(Trimmed(v.sliced(1, close - 1)));
        }
        return p;
    }
    const qsizetype eq = v.indexOf('=');
    if (eq > 0) {
        const QByteArrayView name = Trimmed(v.first(eq));
        if (!name.isEmpty()) {
            p.kind = Parsed::Key;
            p.name = Decode(name);
            p.value = Decode(Trimmed(v.sliced(eq + 1)));
        }
    }
    return p;
}

IniFile IniFile::FromText(const QByteArray &text)
{
    IniFile ini;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype nl = text.indexOf('\n', start);
        Line line;
        if (nl < 0) {
            line.content = text.mid(start);
            start = text.size();
        } else {
            qsizetype end = nl;
            if (end > start && text.at(end - 1) == '\r')
                --end;
            line.content = text.mid(start, end - start);
            line.ending = text.mid(end, nl + 1 - end);
            start = nl + 1;
        }
        line.parsed = parse(line.content, ini.m_lines.empty());
        ini.m_lines.push_back(std::move(line));
    }
    return ini;
}

IniFile IniFile::Open(const QString &path)
{
    QFile file(path);
    if (!file.exists()) {
        IniFile ini;
        ini.m_path = path;
        return ini;
    }
    QByteArray bytes;
    const bool readable = file.open(QIODevice::ReadOnly) && file.size() <= kMaxFileSize && [&] {
        bytes = file.readAll();
        return file.error() == QFileDevice::NoError;
    }();
    IniFile ini = readable ? FromText(bytes) : IniFile();
    ini.m_path = path;
    ini.m_writable = readable;
    return ini;
}

QByteArray IniFile::text() const
{
    QByteArray out;
    for (const Line &line : m_lines) {
        out += line.content;
        out += line.ending;
    }
    return out;
}

int IniFile::findKey(const QString &section, const QString &key) const
{
    bool inSection = false;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Parsed &p = m_lines[i].parsed;
        if (p.kind == Parsed::Section)
            inSection = SameName(p.name, section);
        else if (inSection && p.kind == Parsed::Key && SameName(p.name, key))
            return int(i);
    }
    return -1;
}

std::optional<QString> IniFile::value(const QString &section, const QString &key) const
{
    const int i = findKey(section, key);
    if (i < 0)
        return std::nullopt;
    QString v = m_lines[i].parsed.value;
    if (v.size() > kMaxValueLength) {
        v.truncate(kMaxValueLength);
        if (v.back().isHighSurrogate())
            v.chop(1);
    }
    return v;
}

QString IniFile::readString(
    const QString &section, const QString &key, const QString &fallback) const
{
    return value(section, key).value_or(fallback);
}

int IniFile::readInteger(const QString &section, const QString &key, int fallback) const
{
    const auto text = value(section, key);
    if (!text)
        return fallback;
    return ParseInteger(*text).value_or(fallback);
}

int IniFile::readIndex(
    const QString &section, const QString &key, int fallback, int itemCount) const
{
    const int v = readInteger(section, key, fallback);
    if (v < -1)
        return -1;
    return v >= itemCount ? itemCount - 1 : v;
}

QByteArray IniFile::newLineEnding() const
{
    for (const Line &line : m_lines) {
        if (!line.ending.isEmpty())
            return line.ending;
    }
    return "\n";
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    QString flat = value;
    flat.replace(u'\r', u' ').replace(u'\n', u' ');
    const QByteArray content = key.toUtf8() + '=' + flat.toUtf8();
    const QByteArray ending = newLineEnding();
    auto makeLine = [&](const QByteArray &bytes) {
        return Line { bytes, ending, parse(bytes, false) };
    };

    if (const int i = findKey(section, key); i >= 0) {
        m_lines[i].content = content;
        m_lines[i].parsed = parse(content, i == 0);
        return;
    }

    // After the last entry of the first section of that name, before any blank lines that
    // separate it from the next section.
    int insertAfter = -1;
    bool inSection = false;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Parsed &p = m_lines[i].parsed;
        if (p.kind == Parsed::Section) {
            if (insertAfter >= 0)
                break;
            inSection = SameName(p.name, section);
            if (inSection)
                insertAfter = int(i);
        } else if (inSection && (p.kind == Parsed::Key || !Trimmed(m_lines[i].content).isEmpty())) {
            insertAfter = int(i);
        }
    }

    if (!m_lines.empty() && m_lines.back().ending.isEmpty() && !m_lines.back().content.isEmpty())
        m_lines.back().ending = ending;
    if (insertAfter < 0) {
        if (!m_lines.empty() && m_lines.back().ending.isEmpty())
            m_lines.pop_back(); // an empty last line without a line end holds nothing
        m_lines.push_back(makeLine('[' + section.toUtf8() + ']'));
        m_lines.push_back(makeLine(content));
        return;
    }
    if (m_lines[insertAfter].ending.isEmpty())
        m_lines[insertAfter].ending = ending;
    m_lines.insert(m_lines.begin() + insertAfter + 1, makeLine(content));
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

std::optional<QString> IniFile::save() const
{
    const QString failure = QStringLiteral("Unable to write to %1").arg(m_path);
    if (m_path.isEmpty() || !m_writable)
        return failure;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // A new file renamed over the old one, so a failed save never damages it.
    if (!SaveFileSafely(m_path, text()))
        return failure;
    return std::nullopt;
}

} // namespace pixmaro
