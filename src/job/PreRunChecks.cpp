// The checks made before a run: selection, duplicate base names, same folders, empty qualifier.
#include "job/PreRunChecks.h"

#include <QCollator>

#include <algorithm>
#include <numeric>
#include <vector>

namespace pixmaro {

const char *const kDuplicateNamesText[15] = {
    "These selected files have identical file names, except for the File Type ",
    "Extension.",
    "",
    "If a conversion is done on the selected files, some files will be overwritten.  For ",
    "example, Files MYPIC1.BMP and MYPIC1.JPG are both selected, and you are ",
    "converting all files to *.GIF.  Work proceeds sequentially, so first MYPIC1.BMP is ",
    "processed  and saved as file name ThumbMYPIC1.GIF.  Then, MYPIC1.JPG is ",
    "processed  and saved as ThumbMYPIC1.GIF, overwriting the version created ",
    "from  MYPIC1.BMP.",
    "",
    "You can go back by selecting the Cancel button, and either unselect 'duplicate ",
    "files', or rename them so this situation is avoided.",
    "",
    "Or, you can continue by Selecting OK and choosing the No Conversion option ",
    "from the ComboBox.",
};

std::optional<DuplicatePair> FindDuplicateBaseName(const QStringList &names)
{
    std::vector<QString> keys;
    keys.reserve(size_t(names.size()));
    for (const QString &name : names)
        keys.push_back(name.left(std::max<qsizetype>(0, name.size() - 3)));

    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (const int c = collator.compare(keys[size_t(a)], keys[size_t(b)]); c != 0)
            return c < 0;
        return keys[size_t(a)] < keys[size_t(b)];
    });

    std::optional<DuplicatePair> found;
    for (size_t i = 1; i < order.size(); ++i) {
        const int a = order[i - 1], b = order[i];
        if (keys[size_t(a)] == keys[size_t(b)])
            found = DuplicatePair { std::min(a, b), std::max(a, b) };
    }
    return found;
}

QString DuplicateNamesLabel(const QStringList &names, DuplicatePair pair)
{
    return names.value(pair.first) + QStringLiteral(" and ") + names.value(pair.second);
}

std::optional<QString> SameFolderWarning(const JobSettings &job)
{
    if (job.renames() || job.InputFolder != job.OutputFolder)
        return std::nullopt;
    return QString::fromLatin1(kSameFolderWarning);
}

std::optional<QString> EmptyQualifierRefusal(const JobSettings &job)
{
    const bool keepsName = job.NamingOption == 1 || job.NamingOption == 3;
    if (!job.renames() || !keepsName || !job.ImageQualifier.isEmpty())
        return std::nullopt;
    return QString::fromLatin1(kInvalidQualifier);
}

} // namespace pixmaro
