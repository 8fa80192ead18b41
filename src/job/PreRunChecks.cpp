// The checks made before a run: selection, duplicate base names, same folders, empty qualifier.
#include "job/PreRunChecks.h"

#include "job/OutputPaths.h"

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
    if (job.renames() || !SameFolder(job.InputFolder, job.OutputFolder))
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

std::optional<QString> OutputReplacesSourceRefusal(
    const JobSettings &job, const QStringList &selected)
{
    const auto found = FindSourceReplacement(job, selected, Replacing::Other);
    if (!found)
        return std::nullopt;
    // The names are user text, put in by one pass over the template: a "%1" inside a name is
    // never read as a place holder.
    const QString pattern = QString::fromLatin1(kOutputReplacesSource);
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size()
            && (pattern[i + 1] == u'1' || pattern[i + 1] == u'2')) {
            text += selected[pattern[++i] == u'1' ? found->source : found->madeFrom];
        } else {
            text += pattern[i];
        }
    }
    return text;
}

bool CheckLeavingInputPage(const QStringList &highlighted, Messages &messages)
{
    if (highlighted.isEmpty()) {
        messages.inform(QString::fromLatin1(kNoFilesSelected));
        return false;
    }
    if (const auto pair = FindDuplicateBaseName(highlighted))
        return messages.confirmDuplicateNames(DuplicateNamesLabel(highlighted, *pair));
    return true;
}

bool CheckLeavingOutputPage(const JobSettings &job, const QStringList &selected, Messages &messages)
{
    if (const auto warning = SameFolderWarning(job)) {
        if (messages.ask(MessageIcon::Warning, *warning, MessageButtons::YesNo)
            != MessageAnswer::Yes)
            return false;
    }
    if (const auto refusal = EmptyQualifierRefusal(job)) {
        messages.inform(*refusal);
        return false;
    }
    if (const auto refusal = OutputReplacesSourceRefusal(job, selected)) {
        messages.inform(*refusal);
        return false;
    }
    return true;
}

} // namespace pixmaro
