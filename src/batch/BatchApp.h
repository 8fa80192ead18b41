// pixmaro-batch: runs a job from the command line on the same core as the window.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

namespace pixmaro {

/// Exit statuses of pixmaro-batch.
enum BatchExit { kExitComplete = 0, kExitIncomplete = 1, kExitUsage = 2 };

/// Runs the command line `args` (without the program name) with `workingDir` as the current
/// folder, printing results to `out` and messages to `err`. Returns the exit status.
/// `beforeThumbnails`, when given, is called just before a thumbnail run starts.
int RunBatch(const QStringList &args, const QString &workingDir, QTextStream &out, QTextStream &err,
    const std::function<void()> &beforeThumbnails = {});

} // namespace pixmaro
