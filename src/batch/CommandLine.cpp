// The command line of pixmaro-batch: its subcommands and options, parsed into plain values.
#include "batch/CommandLine.h"

#include "base/IntegerText.h"
#include "job/JobSettings.h"
#include "job/Naming.h"
#include "settings/MainWindowSettings.h"

#include <algorithm>

namespace pixmaro {

namespace {

enum class Takes { Nothing, Value };

struct KnownOption {
    const char *longName;
    char shortName;
    Takes takes;
    bool jobOnly; // not accepted by the settings command
};

constexpr KnownOption kOptions[] = {
    { "input", 'i', Takes::Value, true },
    { "mask", 'm', Takes::Value, true },
    { "output", 'o', Takes::Value, true },
    { "naming", 0, Takes::Value, true },
    { "qualifier", 'q', Takes::Value, true },
    { "seq", 0, Takes::Value, true },
    { "to", 't', Takes::Value, true },
    { "speed", 0, Takes::Value, true },
    { "width", 'W', Takes::Value, true },
    { "height", 'H', Takes::Value, true },
    { "keep-ratio", 0, Takes::Nothing, true },
    { "force-width", 0, Takes::Nothing, true },
    { "force-height", 0, Takes::Nothing, true },
    { "jpeg-quality", 0, Takes::Value, true },
    { "no-overwrite", 0, Takes::Nothing, true },
    { "settings", 0, Takes::Value, false },
    { "dry-run", 0, Takes::Nothing, true },
    { "yes", 'y', Takes::Nothing, true },
    { "html", 0, Takes::Value, true },
    { "progress", 0, Takes::Nothing, true },
    { "quiet", 0, Takes::Nothing, true },
    { "threads", 0, Takes::Value, true },
    { "help", 'h', Takes::Nothing, false },
    { "version", 0, Takes::Nothing, false },
};

[[noreturn]] void Fail(const QString &message)
{
    throw UsageError(message.toStdString());
}

template <size_t N>
int WordIndex(const QString &value, const char *const (&words)[N], const char *option)
{
    for (size_t i = 0; i < N; ++i) {
        if (value == QLatin1String(words[i]))
            return int(i);
    }
    QStringList all;
    for (const char *w : words)
        all << QLatin1String(w);
    Fail(QStringLiteral("invalid value '%1' for --%2 (one of: %3)")
             .arg(value, QLatin1String(option), all.join(QStringLiteral(", "))));
}

void Apply(BatchOptions &o, const KnownOption &known, const QString &value)
{
    const QLatin1String name(known.longName);
    if (name == QLatin1String("input")) {
        o.input = value;
    } else if (name == QLatin1String("mask")) {
        o.mask = value;
    } else if (name == QLatin1String("output")) {
        o.output = value;
    } else if (name == QLatin1String("naming")) {
        o.namingOption = WordIndex(value, kNamingOptionWords, known.longName);
    } else if (name == QLatin1String("qualifier")) {
        o.qualifier = value;
    } else if (name == QLatin1String("seq")) {
        o.sequenceStart = value;
    } else if (name == QLatin1String("to")) {
        WordIndex(value, kConvertToItems, known.longName);
        o.convertTo = value;
    } else if (name == QLatin1String("speed")) {
        static const char *const kSpeeds[] = { "Fast", "Quality" };
        o.resizeSpeed = WordIndex(value, kSpeeds, known.longName);
    } else if (name == QLatin1String("width")) {
        o.width = value;
    } else if (name == QLatin1String("height")) {
        o.height = value;
    } else if (name == QLatin1String("keep-ratio")) {
        o.keepRatio = true;
    } else if (name == QLatin1String("force-width")) {
        o.forceFlags.push_back(true);
    } else if (name == QLatin1String("force-height")) {
        o.forceFlags.push_back(false);
    } else if (name == QLatin1String("jpeg-quality")) {
        const auto q = ParseInteger(value);
        if (!q)
            Fail(QStringLiteral(
                "invalid value '%1' for --jpeg-quality (a whole number from 10 to 100)")
                     .arg(value));
        o.jpegQuality = std::clamp(*q, 10, 100);
        o.jpegQualityClamped = *o.jpegQuality != *q;
    } else if (name == QLatin1String("no-overwrite")) {
        o.noOverwrite = true;
    } else if (name == QLatin1String("settings")) {
        o.settingsFile = value;
    } else if (name == QLatin1String("dry-run")) {
        o.dryRun = true;
    } else if (name == QLatin1String("yes")) {
        o.yes = true;
    } else if (name == QLatin1String("html")) {
        o.htmlPage = value;
    } else if (name == QLatin1String("progress")) {
        o.progress = true;
    } else if (name == QLatin1String("quiet")) {
        o.progress = false;
    } else if (name == QLatin1String("threads")) {
        const auto threads = ParseInteger(value);
        if (!threads || *threads < 1 || *threads > 64)
            Fail(QStringLiteral("invalid value '%1' for --threads (a whole number from 1 to 64)")
                     .arg(value));
        o.threads = *threads;
    } else if (name == QLatin1String("help")) {
        o.command = BatchCommand::Help;
    } else if (name == QLatin1String("version")) {
        o.command = BatchCommand::Version;
    }
}

const KnownOption *FindLong(QStringView name)
{
    for (const KnownOption &known : kOptions) {
        if (name == QLatin1String(known.longName))
            return &known;
    }
    return nullptr;
}

const KnownOption *FindShort(QChar c)
{
    for (const KnownOption &known : kOptions) {
        if (known.shortName != 0 && c == QLatin1Char(known.shortName))
            return &known;
    }
    return nullptr;
}

} // namespace

BatchOptions ParseCommandLine(const QStringList &args)
{
    BatchOptions o;
    if (args.isEmpty())
        Fail(QStringLiteral("no command given"));

    qsizetype next = 0;
    const QString first = args.first();
    if (first == QLatin1String("thumbnails"))
        o.command = BatchCommand::Thumbnails;
    else if (first == QLatin1String("rename"))
        o.command = BatchCommand::Rename;
    else if (first == QLatin1String("copy"))
        o.command = BatchCommand::Copy;
    else if (first == QLatin1String("settings"))
        o.command = BatchCommand::Settings;
    else if (!first.startsWith(u'-'))
        Fail(QStringLiteral("unknown command '%1'").arg(first));
    if (!first.startsWith(u'-'))
        next = 1;
    const BatchCommand named = next == 1 ? o.command : BatchCommand::Help;

    bool optionsEnded = false;
    bool helpOrVersion = false;
    while (next < args.size()) {
        const QString arg = args[next++];
        if (optionsEnded || arg == QLatin1String("-") || !arg.startsWith(u'-')) {
            o.files.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }

        const KnownOption *known = nullptr;
        std::optional<QString> attached;
        QString shown = arg;
        if (arg.startsWith(QLatin1String("--"))) {
            const qsizetype eq = arg.indexOf(u'=');
            const QString name = arg.mid(2, eq < 0 ? -1 : eq - 2);
            shown = QStringLiteral("--") + name;
            known = FindLong(name);
            if (eq >= 0)
                attached = arg.mid(eq + 1);
        } else {
            shown = arg.left(2);
            known = FindShort(arg.at(1));
            if (arg.size() > 2)
                attached = arg.mid(arg.at(2) == u'=' ? 3 : 2);
        }
        if (!known)
            Fail(QStringLiteral("unknown option '%1'").arg(shown));

        QString value;
        if (known->takes == Takes::Value) {
            if (attached) {
                value = *attached;
            } else if (next < args.size()) {
                value = args[next++];
            } else {
                Fail(QStringLiteral("option '%1' needs a value").arg(shown));
            }
        } else if (attached) {
            Fail(QStringLiteral("option '%1' takes no value").arg(shown));
        }
        if (known->jobOnly && named == BatchCommand::Settings)
            Fail(QStringLiteral("option '%1' does not apply to the settings command").arg(shown));
        if (known->shortName == 'h' || QLatin1String(known->longName) == QLatin1String("version"))
            helpOrVersion = true;
        Apply(o, *known, value);
    }

    if (!helpOrVersion) {
        if (named == BatchCommand::Help)
            Fail(QStringLiteral("no command given"));
        o.command = named;
        if (named == BatchCommand::Settings && !o.files.isEmpty())
            Fail(QStringLiteral("the settings command takes no file names"));
    }
    return o;
}

QString UsageText()
{
    // The defaults shown are the ones the job starts from: the kept settings' declared defaults
    // and the job's built-in values.
    const JobSettings job;
    const auto kept
        = [](const char *key) { return FindKey(MainWindowSettings::Keys(), key)->defaultText(); };
    return QStringLiteral(
        "Usage:\n"
        "  pixmaro-batch thumbnails [OPTIONS] [FILE...]\n"
        "  pixmaro-batch rename     [OPTIONS] [FILE...]\n"
        "  pixmaro-batch copy       [OPTIONS] [FILE...]   (plain copy with --to \"No Conversion\", "
        "else convert)\n"
        "  pixmaro-batch settings   [--settings INI]\n"
        "  pixmaro-batch --help | --version\n"
        "\n"
        "Selecting files:\n"
        "  -i, --input DIR        input folder (default: the current folder)\n"
        "  -m, --mask MASK        file-type mask (default %1);\n"
        "                         used when no FILE is named: every listed file is selected\n"
        "  FILE...                bare file names in the input folder, processed in the order "
        "given\n"
        "\n"
        "Job options:\n"
        "  -o, --output DIR       output folder (default: the input folder; a rename ignores it)\n"
        "  --naming PreSeq|PreName|SufSeq|SufName   (default %2)\n"
        "  -q, --qualifier TEXT   output file qualifier (default %3, or %4 for rename and "
        "copy)\n"
        "  --seq TEXT             sequence start (default %5)\n"
        "  -t, --to jpg|gif|bmp|emf|wmf|\"No Conversion\"   target type (default %6)\n"
        "  --speed Fast|Quality   resize speed (default %7)\n"
        "  -W, --width TEXT       thumbnail width, or the maximum side with --keep-ratio (default "
        "%8)\n"
        "  -H, --height TEXT      thumbnail height (default %9)\n"
        "  --keep-ratio           maintain aspect ratio\n"
        "  --force-width          with --keep-ratio: the width is exactly --width\n"
        "  --force-height         with --keep-ratio: the height is exactly --width\n"
        "  --jpeg-quality N       JPEG quality, 10 to 100 (default %10)\n"
        "  --no-overwrite         keep existing output files\n"
        "  --settings INI         take the defaults from this settings file (never written)\n"
        "  --dry-run              print SOURCE -> OUTPUT for each file and write nothing\n"
        "  -y, --yes              answer Yes to \"Continue?\" when the output folder is the input\n"
        "                         folder and outputs would replace their own sources\n"
        "  --html PAGE            write the HTML gallery of the run to PAGE\n"
        "  --progress, --quiet    show or hide progress on stderr\n"
        "  --threads N            decode N files at a time (default: one per processor);\n"
        "                         outputs are still written strictly in order\n"
        "\n"
        "Exit status: 0 complete, 1 incomplete, 2 bad usage.\n")
        .arg(job.FileMask, kept("Naming Option"), kept("Output File Qualifier"), job.ImageQualifier,
            job.SequenceStart, kept("Create As"), kept("Resize Speed"), kept("Thumb Width"),
            kept("Thumb Height"))
        .arg(kept("Jpg Compression"));
}

} // namespace pixmaro
