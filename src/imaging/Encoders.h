// The output encoders, one file each: JPEG, GIF and metafile objects, and the BMP writer.
#pragma once

#include "imaging/BmpEncoder.h"
#include "imaging/GifEncoder.h"
#include "imaging/JpegEncoder.h"
#include "imaging/MetafileEncoder.h"
