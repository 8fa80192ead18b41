// The command line of pixmaro-batch: its subcommands and options, parsed into plain values.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>
#include <vector>

namespace pixmaro {

enum class BatchCommand { Thumbnails, Rename, Copy, Settings, Help, Version };

struct BatchOptions {
    BatchCommand command = BatchCommand::Help;
    std::optional<QString> input;
    QStringList files;
    std::optional<QString> mask;
    std::optional<QString> output;
    std::optional<int> namingOption;
    std::optional<QString> qualifier;
    std::optional<QString> sequenceStart;
    std::optional<QString> convertTo;
    std::optional<int> resizeSpeed;
    std::optional<QString> width;
    std::optional<QString> height;
    bool keepRatio = false;
    /// The force boxes checked, in the order given: true for width, false for height.
    std::vector<bool> forceFlags;
    std::optional<int> jpegQuality;
    bool jpegQualityClamped = false; // the value given was outside 10 to 100
    bool noOverwrite = false;
    std::optional<QString> settingsFile;
    bool dryRun = false;
    bool yes = false; // answers Yes to "Continue?"
    std::optional<QString> htmlPage;
    std::optional<bool> progress; // nothing: shown when stderr is a terminal
    std::optional<int> threads; // decoding threads; nothing: one per processor
};

/// A command line that cannot be run; what() is a one-line message for the user.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Parses the arguments after the program name. Throws UsageError for an unknown command or
/// option, a missing or bad value, or an option the command does not take.
BatchOptions ParseCommandLine(const QStringList &args);

/// The text printed by --help.
QString UsageText();

} // namespace pixmaro
