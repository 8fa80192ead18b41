// Kept settings declared once: how each kind of key reads and writes its text.
#include "settings/SettingKeys.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace pixmaro {

namespace {

int WordIndex(const QString &text, std::span<const char *const> words)
{
    for (size_t i = 0; i < words.size(); ++i) {
        if (text == QLatin1String(words[i]))
            return int(i);
    }
    return 0;
}

} // namespace

std::optional<QString> NearestExistingFolder(const QString &stored)
{
    if (stored.isEmpty() || QDir::isRelativePath(stored))
        return std::nullopt;
    QString path = QDir::cleanPath(stored);
    for (;;) {
        if (QFileInfo(path).isDir())
            return path;
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return std::nullopt;
        path = parent;
    }
}

QString KeyRule::defaultText() const
{
    switch (kind) {
    case KeyKind::Text:
        return QLatin1String(text);
    case KeyKind::Folder:
        return QString();
    case KeyKind::Word:
        return QLatin1String(words[number]);
    default:
        return QString::number(number);
    }
}

int KeyRule::readNumber(const IniFile &ini, int current) const
{
    switch (kind) {
    case KeyKind::Integer:
        return std::clamp(ini.readInteger(section, key, current), low, high);
    case KeyKind::Choice: {
        const int v = ini.readInteger(section, key, current);
        return v >= low && v <= high ? v : current;
    }
    case KeyKind::FlagIsOne:
        return ini.readInteger(section, key, current) == 1 ? 1 : 0;
    case KeyKind::FlagNotZero:
        return ini.readInteger(section, key, current) != 0 ? 1 : 0;
    case KeyKind::Index:
        return ini.readIndex(section, key, current, high + 1);
    case KeyKind::Word: {
        const auto stored = ini.value(section, key);
        return stored ? WordIndex(*stored, words) : current;
    }
    default:
        return ini.readInteger(section, key, current);
    }
}

QString KeyRule::readText(const IniFile &ini, const QString &current, QString *missingFolder) const
{
    if (kind == KeyKind::Word) {
        const auto stored = ini.value(section, key);
        return stored ? QLatin1String(words[WordIndex(*stored, words)]) : current;
    }
    const QString stored = ini.readString(section, key, current);
    if (kind != KeyKind::Folder)
        return stored;
    if (const auto found = NearestExistingFolder(stored))
        return *found;
    if (missingFolder)
        *missingFolder = stored;
    return current;
}

void KeyRule::writeNumber(IniFile &ini, int value) const
{
    switch (kind) {
    case KeyKind::Choice:
        ini.writeInteger(section, key, value >= low && value <= high ? value : number);
        break;
    case KeyKind::FlagIsOne:
    case KeyKind::FlagNotZero:
        ini.writeInteger(section, key, value != 0 ? 1 : 0);
        break;
    case KeyKind::Word:
        ini.writeString(
            section, key, QLatin1String(words[value >= low && value <= high ? value : 0]));
        break;
    default:
        ini.writeInteger(section, key, value);
        break;
    }
}

void KeyRule::writeText(IniFile &ini, const QString &value) const
{
    ini.writeString(section, key, value);
}

} // namespace pixmaro
