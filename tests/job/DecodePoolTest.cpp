// Tests of decoding ahead: what a worker hands over is what the run's thread would have made,
// only for the settings it was asked with, and the pool stops cleanly at any moment.
#include "job/DecodePool.h"

#include "imaging/Encoders.h"
#include "imaging/gif/GifWriter.h"
#include "support/JpegFiles.h"
#include "support/Rasters.h"
#include "support/TempFiles.h"

#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <thread>

namespace pixmaro {
namespace {

WorkingBitmap Pattern(int w, int h, int seed)
{
    WorkingBitmap r;
    r.resize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            test::Set(r, x, y, { (x * 7 + seed) & 255, (y * 5 + x * seed) & 255, (x ^ y) & 255 });
    return r;
}

class Pool : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 8; ++i) {
            const WorkingBitmap raster = Pattern(300 + 17 * i, 200 + 11 * i, i);
            JpegEncoder encoder;
            SaveAsJpeg(encoder, raster, 90);
            paths << dir.filePath(QStringLiteral("p%1.jpg").arg(i));
            ASSERT_FALSE(encoder.save(paths.last()).has_value());
        }
    }

    static DecodeRequest Thumbnail(const QString &path, int speed)
    {
        DecodeRequest request;
        request.path = path;
        request.plan = ThumbnailPlan { true, 96, 96, 96, false, false, speed };
        return request;
    }

    QTemporaryDir dir;
    QStringList paths;
};

// A progressive 4:4:4 JPEG of noise at quality 100: slow to decode.
QByteArray ProgressiveNoise(int width, int height)
{
    std::uint32_t seed = 12345;
    return test::CompressJpeg(
        width, height, 3, JCS_RGB, 100,
        [](jpeg_compress_struct &info) {
            info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
            jpeg_simple_progression(&info);
        },
        [&](int, std::vector<JSAMPLE> &row) {
            for (JSAMPLE &sample : row) {
                seed = seed * 1664525u + 1013904223u;
                sample = JSAMPLE(seed >> 24);
            }
        });
}

// Waits (boundedly) until a worker has finished file `index`.
bool Finished(DecodePool &pool, int index)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!pool.finished(index)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::yield();
    }
    return true;
}

// The same request done on this thread.
std::unique_ptr<DecodedFile> Local(const DecodeRequest &request)
{
    auto file = std::make_unique<DecodedFile>();
    DecodeFile(request, *file);
    return file;
}

TEST_F(Pool, FilesTakenInOrderEqualTheRunsOwnDecode)
{
    DecodePool pool(3);
    ASSERT_EQ(pool.workers(), 3);
    for (int i = 0; i < paths.size(); ++i)
        pool.request(i, Thumbnail(paths[i], i % 2));
    for (int i = 0; i < paths.size(); ++i) {
        const DecodeRequest request = Thumbnail(paths[i], i % 2);
        if (i % 3 != 1) { // the others are taken at once, perhaps while in a worker's hands
            ASSERT_TRUE(Finished(pool, i));
        }
        std::unique_ptr<DecodedFile> file = pool.take(i, request, {});
        if (!file) {
            EXPECT_EQ(i % 3, 1); // not started yet: the run would decode it itself
            continue;
        }
        const std::unique_ptr<DecodedFile> localFile = Local(request);
        const DecodedFile &local = *localFile;
        ASSERT_TRUE(file->loaded);
        EXPECT_EQ(file->width, local.width);
        EXPECT_FALSE(file->picture.pixels().holdsAllRows());
        // The same rows held, the same pixels in them (the rows not held read black in both).
        for (int y = 0; y < local.height; ++y)
            ASSERT_EQ(file->picture.pixels().holdsRow(y), local.picture.pixels().holdsRow(y));
        EXPECT_TRUE(test::SamePixels(file->picture.pixels(), local.picture.pixels()));
        pool.recycle(std::move(file));
    }
}

TEST_F(Pool, AFileAskedForWithOtherSettingsIsNotHandedOver)
{
    DecodePool pool(2);
    pool.request(0, Thumbnail(paths[0], 1));
    pool.request(1, Thumbnail(paths[1], 1));
    ASSERT_TRUE(Finished(pool, 0));
    ASSERT_TRUE(Finished(pool, 1));
    // Its turn reads the fast resize: what was decoded for the quality resize is not used.
    EXPECT_EQ(pool.take(0, Thumbnail(paths[0], 0), {}), nullptr);
    // Asked for again with the turn's settings, it is decoded again and handed over.
    pool.request(1, Thumbnail(paths[1], 0));
    ASSERT_TRUE(Finished(pool, 1));
    std::unique_ptr<DecodedFile> file = pool.take(1, Thumbnail(paths[1], 0), {});
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->request.plan->ResizeSpeed, 0);
    EXPECT_EQ(pool.take(5, Thumbnail(paths[5], 1), {}), nullptr); // never asked for
}

TEST_F(Pool, AFileThatCannotBeLoadedIsHandedOverAsSuch)
{
    test::WriteFile(dir.filePath("broken.jpg"), "not a picture");
    DecodePool pool(2);
    DecodeRequest request;
    request.path = dir.filePath("broken.jpg");
    pool.request(0, request);
    ASSERT_TRUE(Finished(pool, 0));
    const std::unique_ptr<DecodedFile> file = pool.take(0, request, {});
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(file->loaded);
}

TEST_F(Pool, ConversionsAreEncodedAsTheRunsEncodersWould)
{
    for (const TargetType target : { TargetType::JPG, TargetType::GIF, TargetType::BMP }) {
        DecodeRequest request;
        request.path = paths[2];
        request.target = target;
        request.jpegQuality = 75;
        const std::unique_ptr<DecodedFile> done = Local(request);
        const DecodedFile &file = *done;
        ASSERT_TRUE(file.loaded && file.drawn && file.encoded);
        EXPECT_FALSE(file.error.has_value());

        Picture picture;
        ASSERT_TRUE(LoadPicture(paths[2], picture));
        WorkingBitmap raster;
        DecodeToBitmap(raster, picture);
        switch (target) {
        case TargetType::JPG: {
            JpegEncoder encoder;
            SaveAsJpeg(encoder, raster, 75);
            EXPECT_TRUE(file.bytes == *encoder.compress(nullptr));
            break;
        }
        case TargetType::GIF: {
            GifEncoder gif;
            ASSERT_FALSE(SaveAsGif(gif, raster).has_value());
            EXPECT_TRUE(file.bytes == gif::EncodeGif87a(gif.image()));
            break;
        }
        default:
            EXPECT_TRUE(test::SamePixels(file.raster, raster));
            break;
        }
    }
    // Not wanted (the output exists and is kept): loaded only.
    DecodeRequest kept;
    kept.path = paths[2];
    kept.target = TargetType::JPG;
    kept.encode = false;
    const std::unique_ptr<DecodedFile> done = Local(kept);
    const DecodedFile &file = *done;
    EXPECT_TRUE(file.loaded);
    EXPECT_FALSE(file.encoded);
}

TEST_F(Pool, AJpegConvertedAsItIsDecodedFailsWhereItsLoadFails)
{
    // A fatal error after the last row (a second frame header) fails the whole load; the
    // conversion that encodes rows as they come must fail the same way, not write what it has.
    QByteArray bytes = test::ReadFile(paths[1]);
    bytes.chop(2);
    bytes.append("\xFF\xC0\x00\x11\x08\x00\x10\x00\x10\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01"
                 "\xFF\xD9",
        21);
    const QString broken = test::WriteFile(dir.filePath("tail.jpg"), bytes);
    Picture picture;
    ASSERT_FALSE(LoadPicture(broken, picture));
    for (const TargetType target : { TargetType::JPG, TargetType::GIF, TargetType::BMP }) {
        DecodeRequest request;
        request.path = broken;
        request.target = target;
        const std::unique_ptr<DecodedFile> done = Local(request);
        const DecodedFile &file = *done;
        EXPECT_FALSE(file.loaded);
        EXPECT_TRUE(file.bytes.isEmpty());
    }
}

TEST_F(Pool, WaitingForAFileInAWorkersHandsCallsBackEvery50Ms)
{
    // A large progressive picture of fine detail keeps a worker busy for a while.
    const QString path = test::WriteFile(dir.filePath("big.jpg"), ProgressiveNoise(3000, 3000));
    DecodeRequest request;
    request.path = path;
    DecodePool pool(2);
    pool.request(0, request);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!pool.started(0) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    int calls = 0;
    const auto start = std::chrono::steady_clock::now();
    const std::unique_ptr<DecodedFile> file = pool.take(0, request, [&] { ++calls; });
    const auto waited = std::chrono::steady_clock::now() - start;
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->loaded);
    // At least one call per 50 ms waited (allowing for a thread that was not scheduled at once).
    EXPECT_GE(calls, int(waited / std::chrono::milliseconds(100)) - 1);
}

TEST_F(Pool, StopsWithFilesWaitingAndInHand)
{
    for (int round = 0; round < 5; ++round) {
        DecodePool pool(2);
        for (int i = 0; i < paths.size(); ++i)
            pool.request(i, Thumbnail(paths[i], 1));
        if (round % 2)
            pool.recycle(pool.take(0, Thumbnail(paths[0], 1), {}));
    } // each pool is destroyed with work outstanding: no hang, no crash
    DecodePool none(1);
    EXPECT_EQ(none.workers(), 0);
    none.request(0, Thumbnail(paths[0], 1));
    EXPECT_EQ(none.take(0, Thumbnail(paths[0], 1), {}), nullptr);
}

} // namespace
} // namespace pixmaro
