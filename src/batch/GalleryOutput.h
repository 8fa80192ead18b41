// pixmaro-batch's --html: the gallery of the run, written as the window's flow writes it.
#pragma once

#include "job/JobSettings.h"
#include "job/RunState.h"
#include "settings/HtmlOptions.h"

#include <QString>

#include <optional>

namespace pixmaro {

/// Writes the gallery of the last run to `page` (its folder is the page folder; a name that is
/// empty or lacks ".htm" becomes "MyWeb.htm"). Addresses are derived as when the options dialog
/// opens. Returns the system's message when the gallery cannot be written.
std::optional<QString> WriteGalleryOfRun(
    const RunState &state, const JobSettings &job, HtmlOptions options, const QString &page);

} // namespace pixmaro
