// pixmaro-batch: runs a job from the command line on the same core as the window.
#include "batch/BatchApp.h"

#include "base/IntegerText.h"
#include "batch/CommandLine.h"
#include "batch/ConsoleHost.h"
#include "batch/ConsoleMessages.h"
#include "html/GalleryFlow.h"
#include "html/HtmlOptionRules.h"
#include "job/BatchRunner.h"
#include "job/FileList.h"
#include "job/JobSettings.h"
#include "job/OutputPaths.h"
#include "job/PreRunChecks.h"
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
            const QString name = OutputName(job, selected[i], i);
            out << ForTerminal(selected[i]) << " -> " << ForTerminal(name) << '\n';
        }
    } catch (const std::exception &) {
        out.flush();
        err << kErrorDuringProcessing << '\n';
        return kExitIncomplete;
    }
    return kExitComplete;
}

// Without an editor, a generated page is simply stored.
class FileSink : public GeneratedPageSink {
public:
    void ShowGeneratedPage(
        const QString &text, const QString &pagePath, const QString &, const QString &) override
    {
        StorePage(pagePath, text);
    }
};

/// Where --html puts the gallery: a PAGE that names a folder (or ends in a separator) gets
/// "MyWeb.htm" inside it; otherwise its folder and its name as the location dialog settles it.
GalleryLocation PageLocation(const QString &page)
{
    const QFileInfo info(page);
    if (info.isDir() || page.endsWith(u'/'))
        return { QDir::cleanPath(page), ChosenFileName(QString()) };
    return { QDir::cleanPath(info.absolutePath()), ChosenFileName(info.fileName()) };
}

int RunJob(const BatchOptions &options, const QString &workingDir, QTextStream &out,
    QTextStream &err, const std::function<void()> &beforeThumbnails)
{
    const QString input = Absolute(workingDir, options.input.value_or(QStringLiteral(".")));
    if (!QFileInfo(input).isDir()) {
        err << ForTerminal(QStringLiteral("The %1 directory does not exist").arg(input)) << '\n';
        return kExitUsage;
    }
    if (options.jpegQualityClamped)
        err << "pixmaro-batch: --jpeg-quality was clamped to " << *options.jpegQuality << '\n';
    const StoredSettings stored = LoadStored(options, workingDir, err);
    JobSettings job = BuildJob(options, stored, input);
    ConsoleMessages messages(err);

    const QStringList selected
        = options.files.isEmpty() ? ListFiles(job.InputFolder, job.FileMask) : options.files;
    if (!CheckLeavingInputPage(selected, messages))
        return kExitUsage;

    // The output folder is chosen after the input page, so it defaults to the input folder.
    if (options.output)
        job.OutputFolder = Absolute(workingDir, *options.output);
    // "Continue?" is answered Yes when asked to, or when no output would replace its own source;
    // otherwise No, which leaves every file as it is.
    const auto replaced = FindSourceReplacement(job, selected, Replacing::Own);
    messages.answerYes = options.yes || !replaced;
    if (!CheckLeavingOutputPage(job, selected, messages)) {
        if (replaced && !messages.answerYes && SameFolderWarning(job)) {
            err << "pixmaro-batch: " << ForTerminal(selected[replaced->source])
                << " would be replaced by the output of "
                << ForTerminal(selected[replaced->madeFrom]) << "; give --yes to go on\n";
        }
        return kExitUsage;
    }

    if (options.dryRun)
        return DryRun(job, selected, out, err);
    if (job.ThumbMode && beforeThumbnails)
        beforeThumbnails();
    BatchRunner runner;
    if (options.threads)
        runner.setDecodeThreads(*options.threads);
    const bool progress = options.progress.value_or(isatty(fileno(stderr)) != 0);
    ConsoleHost host(job, messages, out, err, progress);
    const RunOutcome outcome = runner.bGOClick(host, selected);
    int status = outcome == RunOutcome::Completed ? kExitComplete : kExitIncomplete;

    // "Do HTML!" is offered after every run, complete or not.
    if (options.htmlPage) {
        HtmlOptions html = AfterLoadRules(stored.htmlOptions);
        const GalleryLocation location = PageLocation(Absolute(workingDir, *options.htmlPage));
        LinkPrefixes prefixes;
        DeriveAddressesForRun(html, prefixes, runner.state(), job, location.folder);
        FileSink sink;
        if (!WriteGalleryOfRun(runner.state(), html, location, sink, messages))
            status = kExitIncomplete;
    }
    return status;
}

} // namespace

int RunBatch(const QStringList &args, const QString &workingDir, QTextStream &out, QTextStream &err,
    const std::function<void()> &beforeThumbnails)
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
    return RunJob(options, workingDir, out, err, beforeThumbnails);
}

} // namespace pixmaro
