// Kept settings declared once: each key's section, name, kind and default, bound to the field of
// the record that holds it. Reading, writing, the factory defaults and the command line's help
// all work from these declarations.
#pragma once

#include "settings/IniFile.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace pixmaro {

/// The folder a folder tree opens for a stored path: the path itself when it is an existing folder,
/// else the nearest existing folder above it; nothing when the path is not absolute.
std::optional<QString> NearestExistingFolder(const QString &stored);

/// How a key's text is read and written.
enum class KeyKind {
    Text, ///< taken as read, written as held
    Folder, ///< text naming a folder: read through the nearest existing folder above it;
            ///< defaults to the root of the current drive
    Integer, ///< decimal (or "0x"/"$" hexadecimal) clamped to [low, high]
    Colour, ///< an integer 0x00BBGGRR, written in decimal
    Choice, ///< an integer in [low, high]; any other value keeps what the field held
    FlagIsOne, ///< on only when the value is exactly 1; written 1 or 0
    FlagNotZero, ///< on whenever the value is not 0; written 1 or 0
    Index, ///< a radio-group item 0 to high; below -1 reads as -1, beyond high as high
    Word, ///< one of `words`, compared with regard to case; any other text gives the first word
};

/// What one key is: where it lives, how it reads and what it defaults to. Numeric and flag
/// defaults are in `number` (for a word, the index of the default word); text defaults in `text`.
struct KeyRule {
    const char *section;
    const char *key;
    KeyKind kind;
    const char *text = nullptr;
    int number = 0;
    int low = 0;
    int high = 0;
    std::span<const char *const> words = {};

    /// The default as the file stores it ("96", "Quality", "1"); empty for a folder, whose
    /// default depends on the current drive.
    QString defaultText() const;

    /// Reads a numeric, flag or word key held as a number; `current` is what the field holds
    /// (its default) and is returned when the key is missing or, for a choice, out of range.
    int readNumber(const IniFile &ini, int current) const;
    /// Reads a text, folder or word key held as text. A folder that does not exist and has no
    /// existing folder above it gives `current` and sets `*missingFolder` to the stored text.
    QString readText(const IniFile &ini, const QString &current, QString *missingFolder) const;
    void writeNumber(IniFile &ini, int value) const;
    void writeText(IniFile &ini, const QString &value) const;
};

/// A key bound to its field in the record `Record`: exactly one of the three is set.
template <class Record> struct SettingKey : KeyRule {
    QString Record::*textField = nullptr;
    int Record::*numberField = nullptr;
    bool Record::*flagField = nullptr;
};

namespace detail {
template <class Record>
constexpr SettingKey<Record> Bind(const KeyRule &rule, QString Record::*field)
{
    return { rule, field, nullptr, nullptr };
}
template <class Record> constexpr SettingKey<Record> Bind(const KeyRule &rule, int Record::*field)
{
    return { rule, nullptr, field, nullptr };
}
template <class Record> constexpr SettingKey<Record> Bind(const KeyRule &rule, bool Record::*field)
{
    return { rule, nullptr, nullptr, field };
}
} // namespace detail

/// Table rows, one per key. `Words` stay alive for the program's life (constant arrays).
template <class Record>
constexpr SettingKey<Record> TextKey(
    const char *section, const char *key, QString Record::*field, const char *fallback)
{
    return detail::Bind(KeyRule { section, key, KeyKind::Text, fallback }, field);
}
template <class Record>
constexpr SettingKey<Record> FolderKey(const char *section, const char *key, QString Record::*field)
{
    return detail::Bind(KeyRule { section, key, KeyKind::Folder }, field);
}
template <class Record>
constexpr SettingKey<Record> IntegerKey(
    const char *section, const char *key, int Record::*field, int fallback, int low, int high)
{
    return detail::Bind(
        KeyRule { section, key, KeyKind::Integer, nullptr, fallback, low, high }, field);
}
template <class Record>
constexpr SettingKey<Record> ColourKey(
    const char *section, const char *key, int Record::*field, int fallback)
{
    return detail::Bind(KeyRule { section, key, KeyKind::Colour, nullptr, fallback }, field);
}
template <class Record>
constexpr SettingKey<Record> ChoiceKey(
    const char *section, const char *key, int Record::*field, int fallback, int low, int high)
{
    return detail::Bind(
        KeyRule { section, key, KeyKind::Choice, nullptr, fallback, low, high }, field);
}
template <class Record>
constexpr SettingKey<Record> FlagIsOneKey(
    const char *section, const char *key, bool Record::*field, bool fallback)
{
    return detail::Bind(
        KeyRule { section, key, KeyKind::FlagIsOne, nullptr, fallback ? 1 : 0 }, field);
}
template <class Record>
constexpr SettingKey<Record> FlagNotZeroKey(
    const char *section, const char *key, bool Record::*field, bool fallback)
{
    return detail::Bind(
        KeyRule { section, key, KeyKind::FlagNotZero, nullptr, fallback ? 1 : 0 }, field);
}
template <class Record>
constexpr SettingKey<Record> IndexKey(
    const char *section, const char *key, int Record::*field, int fallback, int itemCount)
{
    return detail::Bind(
        KeyRule { section, key, KeyKind::Index, nullptr, fallback, -1, itemCount - 1 }, field);
}
/// A word key; the field holds the word's index (int), whether it is the second word (bool), or
/// the word itself (text, written back as held).
template <class Record, class Field>
constexpr SettingKey<Record> WordKey(const char *section, const char *key, Field Record::*field,
    std::span<const char *const> words, int fallbackIndex)
{
    return detail::Bind(KeyRule { section, key, KeyKind::Word, nullptr, fallbackIndex, 0,
                            int(words.size()) - 1, words },
        field);
}

/// Sets every field of `keys` to its default; folders to `driveRoot`.
template <class Record>
void ApplyDefaults(
    std::span<const SettingKey<Record>> keys, Record &record, const QString &driveRoot)
{
    for (const SettingKey<Record> &k : keys) {
        if (k.textField)
            record.*k.textField = k.kind == KeyKind::Folder ? driveRoot : k.defaultText();
        else if (k.numberField)
            record.*k.numberField = k.number;
        else
            record.*k.flagField = k.number != 0;
    }
}

/// Reads every key of `keys` into `record`, which holds the defaults. Returns one line
/// "The <folder> directory does not exist" for each stored folder that has no existing folder
/// above it; that field keeps its default and the following keys are read as usual.
template <class Record>
QStringList LoadKeys(std::span<const SettingKey<Record>> keys, const IniFile &ini, Record &record)
{
    QStringList errors;
    for (const SettingKey<Record> &k : keys) {
        if (k.textField) {
            QString missing;
            record.*k.textField = k.readText(ini, record.*k.textField, &missing);
            if (!missing.isNull())
                errors << QStringLiteral("The %1 directory does not exist").arg(missing);
        } else if (k.numberField) {
            record.*k.numberField = k.readNumber(ini, record.*k.numberField);
        } else {
            record.*k.flagField = k.readNumber(ini, record.*k.flagField ? 1 : 0) != 0;
        }
    }
    return errors;
}

/// Writes every key of `keys` from `record`, in table order.
template <class Record>
void SaveKeys(std::span<const SettingKey<Record>> keys, const Record &record, IniFile &ini)
{
    for (const SettingKey<Record> &k : keys) {
        if (k.textField)
            k.writeText(ini, record.*k.textField);
        else if (k.numberField)
            k.writeNumber(ini, record.*k.numberField);
        else
            k.writeNumber(ini, record.*k.flagField ? 1 : 0);
    }
}

/// The reading and writing of a record all of whose fields are keys of its table `Record::Keys()`:
/// a record type derives from KeyedSettings<itself> to get Load and save. Each record instantiates
/// them once in its own file (`extern template` in its header), so they are compiled out of line.
template <class Record> struct KeyedSettings {
    /// The record's defaults with every key found in `ini` read over them.
    static Record Load(const IniFile &ini);
    /// Writes every key of the record to `ini`, in table order.
    void save(IniFile &ini) const;
};

template <class Record> Record KeyedSettings<Record>::Load(const IniFile &ini)
{
    Record record;
    LoadKeys(Record::Keys(), ini, record);
    return record;
}

template <class Record> void KeyedSettings<Record>::save(IniFile &ini) const
{
    SaveKeys(Record::Keys(), static_cast<const Record &>(*this), ini);
}

/// The key named `key` (matched exactly) in `keys`, or null.
template <class Record>
const SettingKey<Record> *FindKey(std::span<const SettingKey<Record>> keys, const char *key)
{
    for (const SettingKey<Record> &k : keys) {
        if (QLatin1String(k.key) == QLatin1String(key))
            return &k;
    }
    return nullptr;
}

} // namespace pixmaro
