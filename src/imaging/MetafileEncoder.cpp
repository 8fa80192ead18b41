// The metafile encoder object: one recording of a raster, enhanced (EMF) or old style (WMF).
#include "imaging/MetafileEncoder.h"

#include "base/SafeFile.h"
#include "imaging/metafile/MetafileWriter.h"

namespace pixmaro {

void MetafileEncoder::record(const WorkingBitmap &raster)
{
    m_recording = enhanced ? metafile::RecordEmf(raster) : metafile::RecordWmf(raster);
}

std::optional<QString> MetafileEncoder::save(const QString &path) const
{
    return WriteFileSafely(path, m_recording);
}

void SaveAsMetafile(MetafileEncoder &metafile, const WorkingBitmap &raster)
{
    metafile.record(raster);
}

} // namespace pixmaro
