// The main window's kept settings: [Directories] Input and Output, and all of [Thumbnails].
#include "settings/MainWindowSettings.h"

namespace pixmaro {

namespace {

using M = MainWindowSettings;

constexpr const char *kDirectories = "Directories";
constexpr const char *kThumbnails = "Thumbnails";

constexpr SettingKey<M> kKeys[] = {
    FolderKey<M>(kDirectories, "Input", &M::InputFolder),
    FolderKey<M>(kDirectories, "Output", &M::OutputFolder),
    WordKey(kThumbnails, "Resize Speed", &M::ResizeSpeed, kResizeSpeedWords, 1),
    TextKey(kThumbnails, "Thumb Width", &M::MaxWidth, "96"),
    TextKey(kThumbnails, "Thumb Height", &M::MaxHeight, "96"),
    FlagNotZeroKey(kThumbnails, "Maintain Ratio", &M::KeepRatio, false),
    FlagNotZeroKey(kThumbnails, "Force Width", &M::ForceWidth, false),
    FlagNotZeroKey(kThumbnails, "Force Height", &M::ForceHeight, false),
    // The combo box keeps its text; a word it does not list leaves it at its first item.
    WordKey(kThumbnails, "Create As", &M::ConvertTo, kConvertToItems, 0),
    WordKey(kThumbnails, "Naming Option", &M::NamingOption, kNamingOptionWords, 0),
    TextKey(kThumbnails, "Output File Qualifier", &M::ThumbQualifier, "Thumb"),
    IntegerKey(kThumbnails, "Jpg Compression", &M::JpegQuality, 90, 10, 100),
    FlagNotZeroKey(kThumbnails, "Overwrite Files", &M::OverwriteFiles, true),
};

} // namespace

MainWindowSettings::MainWindowSettings()
{
    ApplyDefaults(Keys(), *this, QString());
}

std::span<const SettingKey<MainWindowSettings>> MainWindowSettings::Keys()
{
    return kKeys;
}

MainWindowSettings MainWindowSettings::Defaults(const QString &driveRoot)
{
    MainWindowSettings s;
    ApplyDefaults(Keys(), s, driveRoot);
    return s;
}

MainWindowSettings MainWindowSettings::Load(
    const IniFile &ini, const QString &driveRoot, QString *error)
{
    MainWindowSettings s = Defaults(driveRoot);
    const QStringList errors = LoadKeys(Keys(), ini, s);
    if (error && !errors.isEmpty())
        *error = errors.join(u'\n');
    return s;
}

void MainWindowSettings::save(IniFile &ini) const
{
    // The two check boxes are written one after the other, each clearing the other's key when
    // it is checked, so the file never holds both; written once with their final values, the
    // file is the same.
    MainWindowSettings written = *this;
    if (written.ForceHeight)
        written.ForceWidth = false;
    SaveKeys(Keys(), written, ini);
}

} // namespace pixmaro
