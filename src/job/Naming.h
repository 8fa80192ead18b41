// Output file naming: the four naming options, the target type and its extension.
#pragma once

#include <QString>

namespace pixmaro {

enum class NamingOption { PreSeq = 0, PreName = 1, SufSeq = 2, SufName = 3 };

/// The combo box texts of the naming options, by option.
inline constexpr const char *kNamingOptionTexts[]
    = { "Qualifier as Prefix with Seq#", "Qualifier as Prefix with File Name",
          "Qualifier as Suffix with Seq#", "Qualifier as Suffix with File Name" };

/// The type an output is encoded as; None writes nothing.
enum class TargetType { None, JPG, GIF, BMP, EMF, WMF };

/// The entry without its last four characters ("photo.jpg" gives "photo").
QString BaseName(const QString &entry);
/// The last three characters of the entry, in its own letter case ("photo.JPG" gives "JPG").
QString SourceType(const QString &entry);
/// Whether the option numbers files (options 0 and 2); only these read the sequence start.
bool UsesSequence(NamingOption option);

/// Sequence number `index` of a run: the start text read as an integer plus `index`, right-aligned
/// in a field as wide as the start text with every blank turned into "0"; a wider number is written
/// in full. Throws InvalidInteger when the start text is not an integer.
QString SequenceText(const QString &sequenceStart, qint64 index);

/// The target type of `convertTo` compared as exact text; "No Conversion" takes the source's type
/// in upper case, which names a target only when it is one of the five the program writes.
TargetType TargetTypeFor(const QString &convertTo, const QString &entry);
/// ".jpg", ".gif", ".bmp", ".emf", ".wmf", or "" for None.
QString Extension(TargetType type);

/// The name stem of entry `index` for the runs that encode an image (thumbnail and convert).
QString EncodedStem(NamingOption option, const QString &qualifier, const QString &sequenceStart,
    const QString &entry, qint64 index);
/// The stem followed by the target type's extension (no extension when the type is None).
QString EncodedName(NamingOption option, const QString &qualifier, const QString &sequenceStart,
    const QString &convertTo, const QString &entry, qint64 index);
/// The new name of entry `index` for the runs that keep the file's bytes (rename, plain copy).
QString KeepBytesName(NamingOption option, const QString &qualifier, const QString &sequenceStart,
    const QString &entry, qint64 index);

/// The confirmation page's sentence describing the new names; `sequenceStart` as typed.
QString FileNameSentence(
    NamingOption option, const QString &qualifier, const QString &sequenceStart);

/// "The Output File Qualifier can be a prefix or a suffix. ..." shown by "Naming Options?".
extern const char *const kNamingOptionsHelp;

} // namespace pixmaro
