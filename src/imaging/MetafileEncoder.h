// The metafile encoder object: one recording of a raster, enhanced (EMF) or old style (WMF).
#pragma once

#include "imaging/WorkingBitmap.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace pixmaro {

/// A metafile object: one recording, enhanced or old style.
class MetafileEncoder {
public:
    bool enhanced = true;
    const QByteArray &recording() const { return m_recording; }
    /// Records `raster` drawn 1:1 (EMF, or placeable WMF when not enhanced).
    void record(const WorkingBitmap &raster);
    std::optional<QString> save(const QString &path) const;

private:
    QByteArray m_recording;
};

/// Records the raster into the metafile object (its kind set by the caller).
void SaveAsMetafile(MetafileEncoder &metafile, const WorkingBitmap &raster);

} // namespace pixmaro
