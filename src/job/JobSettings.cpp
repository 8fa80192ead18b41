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
    static_cast<MainWindowSettings &>(*this) = stored;
    ForceWidth = false;
    ForceHeight = false;
    setForceWidth(stored.ForceWidth);
    setForceHeight(stored.ForceHeight);
}

MainWindowSettings JobSettings::toStored() const
{
    return *this;
}

} // namespace pixmaro
