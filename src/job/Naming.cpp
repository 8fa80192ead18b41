// Output file naming: the four naming options, the target type and its extension.
#include "job/Naming.h"

#include "base/IntegerText.h"

#include <algorithm>

namespace pixmaro {

const char *const kNamingOptionsHelp
    = "The Output File Qualifier can be a prefix or a suffix.  Prefix with seq# will make files "
      "with "
      "names of Qualifiernnn.***, where nnn is the sequence number.  Prefix with file name will "
      "make "
      "files with names of QualifierOoo.*** where Ooo is the original filename (without the file "
      "type).  The suffix options work similarly;  Suffix with file name will make files with "
      "names "
      "of OooQualifier.***";

QString BaseName(const QString &entry)
{
    return entry.left(std::max<qsizetype>(0, entry.size() - 4));
}

QString SourceType(const QString &entry)
{
    return entry.right(3);
}

bool UsesSequence(NamingOption option)
{
    return option == NamingOption::PreSeq || option == NamingOption::SufSeq;
}

QString SequenceText(const QString &sequenceStart, qint64 index)
{
    const qint64 number = qint64(IntegerOrThrow(sequenceStart)) + index;
    QString text = QStringLiteral("%1").arg(number, int(sequenceStart.size()), 10, QChar(u' '));
    return text.replace(u' ', u'0');
}

TargetType TargetTypeFor(const QString &convertTo, const QString &entry)
{
    static const struct {
        const char *word;
        TargetType type;
    } kTypes[] = { { "jpg", TargetType::JPG }, { "gif", TargetType::GIF },
        { "bmp", TargetType::BMP }, { "emf", TargetType::EMF }, { "wmf", TargetType::WMF } };
    QString word = convertTo;
    if (convertTo == QLatin1String("No Conversion")) {
        // The source's own type, compared without regard to the case of its ASCII letters.
        word = SourceType(entry);
        for (QChar &c : word) {
            if (c.unicode() >= 'A' && c.unicode() <= 'Z')
                c = QChar(c.unicode() + 32);
        }
    }
    for (const auto &t : kTypes) {
        if (word == QLatin1String(t.word))
            return t.type;
    }
    return TargetType::None;
}

QString Extension(TargetType type)
{
    switch (type) {
    case TargetType::JPG:
        return QStringLiteral(".jpg");
    case TargetType::GIF:
        return QStringLiteral(".gif");
    case TargetType::BMP:
        return QStringLiteral(".bmp");
    case TargetType::EMF:
        return QStringLiteral(".emf");
    case TargetType::WMF:
        return QStringLiteral(".wmf");
    case TargetType::None:
        break;
    }
    return QString();
}

QString EncodedStem(NamingOption option, const QString &qualifier, const QString &sequenceStart,
    const QString &entry, qint64 index)
{
    switch (option) {
    case NamingOption::PreSeq:
        return qualifier + SequenceText(sequenceStart, index);
    case NamingOption::PreName:
        return qualifier + BaseName(entry);
    case NamingOption::SufSeq:
        return SequenceText(sequenceStart, index) + qualifier;
    case NamingOption::SufName:
        return BaseName(entry) + qualifier;
    }
    return QString();
}

QString EncodedName(NamingOption option, const QString &qualifier, const QString &sequenceStart,
    const QString &convertTo, const QString &entry, qint64 index)
{
    return EncodedStem(option, qualifier, sequenceStart, entry, index)
        + Extension(TargetTypeFor(convertTo, entry));
}

QString KeepBytesName(NamingOption option, const QString &qualifier, const QString &sequenceStart,
    const QString &entry, qint64 index)
{
    switch (option) {
    case NamingOption::PreSeq:
        return qualifier + SequenceText(sequenceStart, index) + u'.' + SourceType(entry);
    case NamingOption::PreName:
        return qualifier + entry;
    case NamingOption::SufSeq:
        return SequenceText(sequenceStart, index) + qualifier + u'.' + SourceType(entry);
    case NamingOption::SufName:
        return BaseName(entry) + qualifier + u'.' + SourceType(entry);
    }
    return QString();
}

QString FileNameSentence(
    NamingOption option, const QString &qualifier, const QString &sequenceStart)
{
    switch (option) {
    case NamingOption::PreSeq:
        return "...Will start with " + qualifier + sequenceStart + " and be numbered sequentially";
    case NamingOption::PreName:
        if (qualifier.isEmpty())
            return QStringLiteral("...Will not be changed.");
        return "...Will start with " + qualifier + " and then have the original name appended.";
    case NamingOption::SufSeq:
        return "...Will start with " + sequenceStart + qualifier + " and be numbered sequentially";
    case NamingOption::SufName:
        if (qualifier.isEmpty())
            return QStringLiteral("...Will not be changed.");
        return "...Will start with the original file name and then have " + qualifier
            + " appended.";
    }
    return QString();
}

} // namespace pixmaro
