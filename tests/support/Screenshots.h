// Pictures of the windows for people to look at: each is written as a PNG under the build folder.
#pragma once

#include <QDir>
#include <QWidget>

namespace pixmaro::test {

/// Writes `widget` as it is drawn now to screenshots/<name>.png in the build folder; returns the
/// path written, or an empty text when the picture could not be saved.
inline QString SaveScreenshot(QWidget &widget, const QString &name)
{
    const QString folder = QStringLiteral(PIXMARO_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    const QString path = folder + u'/' + name + QStringLiteral(".png");
    return widget.grab().save(path) ? path : QString();
}

} // namespace pixmaro::test
