// Where a job's outputs go: the output path of each selected file, and the selected sources that
// an output would replace.
#include "job/OutputPaths.h"

#include "job/Naming.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <stdexcept>

namespace pixmaro {

QString OutputName(const JobSettings &job, const QString &entry, int index)
{
    const auto option = NamingOption(job.NamingOption);
    switch (job.runKind()) {
    case RunKind::Rename:
    case RunKind::Copy:
        return KeepBytesName(option, job.qualifier(), job.SequenceStart, entry, index);
    case RunKind::Thumbnails:
    case RunKind::Convert:
        break;
    }
    return EncodedName(option, job.qualifier(), job.SequenceStart, job.ConvertTo, entry, index);
}

bool SameFolder(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    if (a.isEmpty() || b.isEmpty())
        return false;
    if (QDir::cleanPath(a) == QDir::cleanPath(b))
        return true;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

std::optional<SourceReplacement> FindSourceReplacement(
    const JobSettings &job, const QStringList &selected, Replacing which)
{
    if (!job.OverwriteFiles || job.renames() || !SameFolder(job.InputFolder, job.OutputFolder))
        return std::nullopt;
    // Outputs and sources share one folder, so the bare names decide (exactly: file names on
    // this system are case-sensitive).
    QHash<QString, int> sources;
    for (int i = 0; i < selected.size(); ++i)
        sources.insert(selected[i], i);
    try {
        for (int i = 0; i < selected.size(); ++i) {
            const auto hit = sources.constFind(OutputName(job, selected[i], i));
            if (hit == sources.cend())
                continue;
            const bool own = hit.value() == i;
            if (own ? which == Replacing::Own && job.runKind() != RunKind::Copy
                    : which == Replacing::Other)
                return SourceReplacement { hit.value(), i };
        }
    } catch (const std::exception &) {
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace pixmaro
