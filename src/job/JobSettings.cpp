// The options of one job, as the wizard's controls hold them.
#include "job/JobSettings.h"

namespace pixmaro {

RunKind JobSettings::runKind() const
{
    if (ThumbMode)
        return RunKind::Thumbnails;
    if (RenameOnly)
        return RunKind::Rename;
    return ConvertTo == QLatin1String("No Conversion") ? RunKind::Copy : RunKind::Convert;
}

void JobSettings::setForceWidth(bool on)
{
    ForceWidth = on;
    if (on)
        ForceHeight = false;
}

void JobSettings::setForceHeight(bool on)
{
    ForceHeight = on;
    if (on)
        ForceWidth = false;
}

void JobSettings::applyStored(const MainWindowSettings &stored)
{
    InputFolder = stored.InputFolder;
    OutputFolder = stored.OutputFolder;
    ResizeSpeed = stored.ResizeSpeed;
    MaxWidth = stored.MaxWidth;
    MaxHeight = stored.MaxHeight;
    KeepRatio = stored.KeepRatio;
    ForceWidth = false;
    ForceHeight = false;
    setForceWidth(stored.ForceWidth);
    setForceHeight(stored.ForceHeight);
    ConvertTo = stored.ConvertTo;
    NamingOption = stored.NamingOption;
    ThumbQualifier = stored.ThumbQualifier;
    JpegQuality = stored.JpegQuality;
    OverwriteFiles = stored.OverwriteFiles;
}

MainWindowSettings JobSettings::toStored() const
{
    MainWindowSettings s;
    s.InputFolder = InputFolder;
    s.OutputFolder = OutputFolder;
    s.ResizeSpeed = ResizeSpeed;
    s.MaxWidth = MaxWidth;
    s.MaxHeight = MaxHeight;
    s.KeepRatio = KeepRatio;
    s.ForceWidth = ForceWidth;
    s.ForceHeight = ForceHeight;
    s.ConvertTo = ConvertTo;
    s.NamingOption = NamingOption;
    s.ThumbQualifier = ThumbQualifier;
    s.JpegQuality = JpegQuality;
    s.OverwriteFiles = OverwriteFiles;
    return s;
}

} // namespace pixmaro
