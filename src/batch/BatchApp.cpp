// pixmaro-batch: runs a job from the command line on the same core as the window.
#include "batch/BatchApp.h"

#include "batch/CommandLine.h"
#include "batch/ConsoleHost.h"
#include "batch/GalleryOutput.h"
#include "html/HtmlOptionRules.h"
#include "job/BatchRunner.h"
#include "job/FileList.h"
#include "job/JobSettings.h"
#include "job/Naming.h"
#include "job/PreRunChecks.h"
#include "base/IntegerText.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

namespace pixmaro {

namespace {

QString Absolute(const QString &workingDir, const QString &path)
{
    return QDir::cleanPath(QDir(workingDir).absoluteFilePath(path));
}

/// A message box's text on one terminal line group: carriage returns become line breaks.
QString ForTerminal(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

StoredSettings LoadStored(const BatchOptions &options, const QString &workingDir, QTextStream &err)
{
    const QString root = CurrentDriveRoot();
    if (!options.settingsFile)
        return StoredSettings::Defaults(root);
    const QString path = Absolute(workingDir, *options.settingsFile);
    if (!QFileInfo::exists(path))
        err << "pixmaro-batch: no settings file at " << path << "; using the defaults\n";
    QString error;
    StoredSettings stored = StoredSettings::Load(IniFile::Open(path), root, &error);
    if (!error.isEmpty())
        err << error << '\n';
    return stored;
}

/// The job the command line describes: program defaults, then the settings file's values, then
/// the options given.
JobSettings BuildJob(
    const BatchOptions &o, const StoredSettings &stored, const QString &inputFolder)
{
    JobSettings job;
    job.applyStored(stored.main);
    job.ThumbMode = o.command == BatchCommand::Thumbnails;
    job.RenameOnly = o.command == BatchCommand::Rename;
    job.InputFolder = inputFolder;
    job.OutputFolder = inputFolder;
    if (o.mask)
        job.FileMask = *o.mask;
    if (o.namingOption)
        job.NamingOption = *o.namingOption;
    if (o.qualifier)
        (job.ThumbMode ? job.ThumbQualifier : job.ImageQualifier) = *o.qualifier;
    if (o.sequenceStart)
        job.SequenceStart = *o.sequenceStart;
    if (o.convertTo)
        job.ConvertTo = *o.convertTo;
    if (o.resizeSpeed)
        job.ResizeSpeed = *o.resizeSpeed;
    if (o.width)
        job.MaxWidth = *o.width;
    if (o.height)
        job.MaxHeight = *o.height;
    if (o.keepRatio)
        job.KeepRatio = true;
    for (bool width : o.forceFlags)
        width ? job.setForceWidth(true) : job.setForceHeight(true);
    if (o.jpegQuality)
        job.JpegQuality = *o.jpegQuality;
    if (o.noOverwrite)
        job.OverwriteFiles = false;
    return job;
}

int PrintSettings(
    const BatchOptions &options, const QString &workingDir, QTextStream &out, QTextStream &err)
{
    // The file written at exit holds what the controls show after their rules ran at load.
    StoredSettings shown = LoadStored(options, workingDir, err);
    shown.htmlOptions = AfterLoadRules(shown.htmlOptions);
    IniFile ini;
    shown.save(ini);
    out << QString::fromUtf8(ini.text());
    return kExitComplete;
}

/// The output name each selected file gets, as the run would name it.
QString DryRunName(const JobSettings &job, const QString &entry, int index)
{
    const auto option = NamingOption(job.NamingOption);
    const bool keepsBytes
        = job.renames() || (!job.ThumbMode && job.ConvertTo == QLatin1String("No Conversion"));
    if (keepsBytes)
        return KeepBytesName(option, job.qualifier(), job.SequenceStart, entry, index);
    return EncodedName(option, job.qualifier(), job.SequenceStart, job.ConvertTo, entry, index);
}

// Prints the output name each file would get; writes nothing.
int DryRun(const JobSettings &job, const QStringList &selected, QTextStream &out, QTextStream &err)
{
    try {
        if (job.ThumbMode) {
            // A thumbnail run reads its size first; text that is not a number stops it there.
            IntegerOrThrow(job.MaxWidth);
            IntegerOrThrow(job.MaxHeight);
        }
        for (int i = 0; i < selected.size(); ++i) {
            const QString name = DryRunName(job, selected[i], i);
            out << selected[i] << " -> " << name << '\n';
        }
    } catch (const std::exception &) {
        out.flush();
        err << kErrorDuringProcessing << '\n';
        return kExitIncomplete;
    }
    return kExitComplete;
}

int RunJob(
    const BatchOptions &options, const QString &workingDir, QTextStream &out, QTextStream &err)
{
    const QString input = Absolute(workingDir, options.input.value_or(QStringLiteral(".")));
    if (!QFileInfo(input).isDir()) {
        err << QStringLiteral("The %1 directory does not exist").arg(input) << '\n';
        return kExitUsage;
    }
    const StoredSettings stored = LoadStored(options, workingDir, err);
    JobSettings job = BuildJob(options, stored, input);

    const QStringList selected
        = options.files.isEmpty() ? ListFiles(job.InputFolder, job.FileMask) : options.files;
    if (selected.isEmpty()) {
        err << kNoFilesSelected << '\n';
        return kExitUsage;
    }
    if (const auto pair = FindDuplicateBaseName(selected)) {
        err << kDuplicateNamesHeading << ' ' << DuplicateNamesLabel(selected, *pair) << '\n';
        for (const char *line : kDuplicateNamesText)
            err << line << '\n';
    }

    // The output folder is chosen after the input page, so it defaults to the input folder.
    if (options.output)
        job.OutputFolder = Absolute(workingDir, *options.output);
    if (const auto warning = SameFolderWarning(job))
        err << ForTerminal(*warning) << '\n';
    if (const auto refusal = EmptyQualifierRefusal(job)) {
        err << *refusal << '\n';
        return kExitUsage;
    }

    if (options.dryRun)
        return DryRun(job, selected, out, err);
    BatchRunner runner;
    const bool progress = options.progress.value_or(isatty(fileno(stderr)) != 0);
    ConsoleHost host(runner, job, out, err, progress);
    const RunOutcome outcome = runner.bGOClick(host, selected);
    int status = outcome == RunOutcome::Completed ? kExitComplete : kExitIncomplete;

    // "Do HTML!" is offered after every run, complete or not.
    if (options.htmlPage) {
        const HtmlOptions html = AfterLoadRules(stored.htmlOptions);
        if (const auto error = WriteGalleryOfRun(
                runner.state(), job, html, Absolute(workingDir, *options.htmlPage))) {
            err << *error << '\n';
            status = kExitIncomplete;
        }
    }
    return status;
}

} // namespace

int RunBatch(const QStringList &args, const QString &workingDir, QTextStream &out, QTextStream &err)
{
    BatchOptions options;
    try {
        options = ParseCommandLine(args);
    } catch (const UsageError &e) {
        err << "pixmaro-batch: " << e.what() << "\nTry 'pixmaro-batch --help'.\n";
        return kExitUsage;
    }

    switch (options.command) {
    case BatchCommand::Help:
        out << UsageText();
        return kExitComplete;
    case BatchCommand::Version:
        out << "pixmaro-batch " << PIXMARO_VERSION << '\n';
        return kExitComplete;
    case BatchCommand::Settings:
        return PrintSettings(options, workingDir, out, err);
    case BatchCommand::Thumbnails:
    case BatchCommand::Rename:
    case BatchCommand::Copy:
        break;
    }
    return RunJob(options, workingDir, out, err);
}

} // namespace pixmaro
