// The main window's kept settings: [Directories] Input and Output, and all of [Thumbnails].
#include "settings/MainWindowSettings.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace pixmaro {

namespace {

const QString kDirectories = QStringLiteral("Directories");
const QString kThumbnails = QStringLiteral("Thumbnails");

int WordIndex(const QString &word, const auto &words, int fallback)
{
    for (int i = 0; i < int(std::size(words)); ++i) {
        if (word == QLatin1String(words[i]))
            return i;
    }
    return fallback;
}

} // namespace

std::optional<QString> NearestExistingFolder(const QString &stored)
{
    if (stored.isEmpty() || QDir::isRelativePath(stored))
        return std::nullopt;
    QString path = QDir::cleanPath(stored);
    for (;;) {
        if (QFileInfo(path).isDir())
            return path;
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return std::nullopt;
        path = parent;
    }
}

MainWindowSettings MainWindowSettings::Defaults(const QString &driveRoot)
{
    MainWindowSettings s;
    s.InputFolder = driveRoot;
    s.OutputFolder = driveRoot;
    return s;
}

MainWindowSettings MainWindowSettings::Load(
    const IniFile &ini, const QString &driveRoot, QString *error)
{
    MainWindowSettings s = Defaults(driveRoot);

    // A folder that cannot be found is reported and falls back to the drive root; the other keys
    // are still read, so the save at exit does not write defaults over the user's values.
    for (QString *folder : { &s.InputFolder, &s.OutputFolder }) {
        const QString key
            = folder == &s.InputFolder ? QStringLiteral("Input") : QStringLiteral("Output");
        const QString stored = ini.readString(kDirectories, key, driveRoot);
        const auto found = NearestExistingFolder(stored);
        if (found) {
            *folder = *found;
            continue;
        }
        if (error) {
            if (!error->isEmpty())
                error->append(QLatin1String("\r\n"));
            error->append(QStringLiteral("The %1 directory does not exist").arg(stored));
        }
    }

    s.ResizeSpeed
        = ini.readString(kThumbnails, "Resize Speed", "Quality") == QLatin1String("Quality") ? 1
                                                                                             : 0;
    s.MaxWidth = ini.readString(kThumbnails, "Thumb Width", s.MaxWidth);
    s.MaxHeight = ini.readString(kThumbnails, "Thumb Height", s.MaxHeight);
    s.KeepRatio = ini.readInteger(kThumbnails, "Maintain Ratio", 0) != 0;
    s.ForceWidth = ini.readInteger(kThumbnails, "Force Width", 0) != 0;
    s.ForceHeight = ini.readInteger(kThumbnails, "Force Height", 0) != 0;
    const QString createAs = ini.readString(kThumbnails, "Create As", s.ConvertTo);
    s.ConvertTo = QLatin1String(kConvertToItems[WordIndex(createAs, kConvertToItems, 0)]);
    s.NamingOption
        = WordIndex(ini.readString(kThumbnails, "Naming Option", "PreSeq"), kNamingOptionWords, 0);
    s.ThumbQualifier = ini.readString(kThumbnails, "Output File Qualifier", s.ThumbQualifier);
    s.JpegQuality = std::clamp(ini.readInteger(kThumbnails, "Jpg Compression", 90), 10, 100);
    s.OverwriteFiles = ini.readInteger(kThumbnails, "Overwrite Files", 1) != 0;
    return s;
}

void MainWindowSettings::save(IniFile &ini) const
{
    ini.writeString(kDirectories, "Input", InputFolder);
    ini.writeString(kDirectories, "Output", OutputFolder);
    ini.writeString(kThumbnails, "Resize Speed", ResizeSpeed == 1 ? "Quality" : "Fast");
    ini.writeString(kThumbnails, "Thumb Width", MaxWidth);
    ini.writeString(kThumbnails, "Thumb Height", MaxHeight);
    ini.writeInteger(kThumbnails, "Maintain Ratio", KeepRatio ? 1 : 0);
    if (ForceWidth) {
        ini.writeInteger(kThumbnails, "Force Width", 1);
        ini.writeInteger(kThumbnails, "Force Height", 0);
    } else {
        ini.writeInteger(kThumbnails, "Force Width", 0);
    }
    if (ForceHeight) {
        ini.writeInteger(kThumbnails, "Force Height", 1);
        ini.writeInteger(kThumbnails, "Force Width", 0);
    } else {
        ini.writeInteger(kThumbnails, "Force Height", 0);
    }
    ini.writeString(kThumbnails, "Create As", ConvertTo);
    const int option = std::clamp(NamingOption, 0, 3);
    ini.writeString(kThumbnails, "Naming Option", QLatin1String(kNamingOptionWords[option]));
    ini.writeString(kThumbnails, "Output File Qualifier", ThumbQualifier);
    ini.writeInteger(kThumbnails, "Jpg Compression", JpegQuality);
    ini.writeInteger(kThumbnails, "Overwrite Files", OverwriteFiles ? 1 : 0);
}

} // namespace pixmaro
