#include "platform/JpegDecoder.h"

#include "platform/FileIo.h"

#include "support/TestFiles.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Smooth on the whole, so a block's average says what a reduced decode must give.
QImage Gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(
                x, y, qRgb(x * 255 / width, y * 255 / height, (x + y) * 255 / (width + height)));
    return image;
}

std::string Jpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    EXPECT_TRUE(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "JPEG", 90));
    return bytes.toStdString();
}

// The file at path, open for the decoder.
platform::UniqueFd Open(const std::string& path) {
    int err = 0;
    platform::UniqueFd fd = platform::OpenRegularFile(path, &err);
    EXPECT_TRUE(fd.Valid()) << path << ": " << platform::ErrorText(err);
    return fd;
}

// The decode as an image, with the rows checked to come once each, top down.
QImage Decode(const std::string& path, int scale, platform::JpegOutcome* outcome = nullptr) {
    const platform::UniqueFd fd = Open(path);
    platform::JpegInfo info;
    EXPECT_TRUE(platform::ReadJpegInfo(fd.Get(), &info).ok);
    QImage out(platform::JpegScaledSide(info.width, scale),
               platform::JpegScaledSide(info.height, scale), QImage::Format_ARGB32);
    int next = 0;
    const platform::JpegOutcome result =
        platform::DecodeJpeg(fd.Get(), scale, info, [&](int y, const std::uint32_t* row) {
            EXPECT_EQ(y, next++);
            std::copy_n(row, out.width(), reinterpret_cast<std::uint32_t*>(out.scanLine(y)));
            return true;
        });
    EXPECT_EQ(next, out.height());
    if (outcome)
        *outcome = result;
    return out;
}

int ChannelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

} // namespace

TEST(JpegDecoder, FullAndReducedDecodesAgreeWithQtsDecodeOfTheSameFile) {
    testsupport::TempDir dir;
    const struct {
        const char* legend;
        QImage image;
        int components;
        int scale;
        int tolerance; // per channel: against the pixel, or the mean of its block when reduced
    } rows[] = {
        {"colour, sides no multiple of a block", Gradient(37, 23), 3, 1, 1},
        {"grey", Gradient(300, 40).convertToFormat(QImage::Format_Grayscale8), 1, 1, 1},
        {"half", Gradient(37, 23), 3, 2, 8},
        {"quarter", Gradient(300, 40), 3, 4, 8},
        {"eighth", Gradient(301, 41), 3, 8, 8},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        const std::string path = dir.File("map.jpg");
        testsupport::WriteBytes(path, Jpeg(row.image));
        platform::JpegInfo info;
        ASSERT_TRUE(platform::ReadJpegInfo(Open(path).Get(), &info).ok);
        EXPECT_EQ(info.width, row.image.width());
        EXPECT_EQ(info.height, row.image.height());
        EXPECT_EQ(info.components, row.components);
        const QImage qt =
            QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
        platform::JpegOutcome outcome;
        const QImage ours = Decode(path, row.scale, &outcome);
        ASSERT_TRUE(outcome.ok && !outcome.endsEarly && !outcome.damaged) << outcome.error;
        int worst = 0;
        for (int y = 0; y < ours.height(); ++y) {
            for (int x = 0; x < ours.width(); ++x) {
                // The block of full-size pixels this one stands for, cut at the edges.
                int sums[3] = {};
                int count = 0;
                for (int by = y * row.scale; by < std::min((y + 1) * row.scale, qt.height()); ++by)
                    for (int bx = x * row.scale; bx < std::min((x + 1) * row.scale, qt.width());
                         ++bx, ++count) {
                        const QRgb p = qt.pixel(bx, by);
                        sums[0] += qRed(p);
                        sums[1] += qGreen(p);
                        sums[2] += qBlue(p);
                    }
                const QRgb mean = qRgb((sums[0] + count / 2) / count, (sums[1] + count / 2) / count,
                                       (sums[2] + count / 2) / count);
                worst = std::max(worst, ChannelDistance(ours.pixel(x, y), mean));
            }
        }
        EXPECT_LE(worst, row.tolerance);
    }
}

TEST(JpegDecoder, DamagedFilesAreToldApartFromBrokenOnes) {
    testsupport::TempDir dir;
    const std::string jpeg = Jpeg(Gradient(200, 120));
    const std::size_t sof = jpeg.find("\xFF\xC0");
    const std::size_t scan = jpeg.find("\xFF\xDA");
    ASSERT_NE(sof, std::string::npos);
    ASSERT_NE(scan, std::string::npos);
    // A marker in the middle of the image data: the decoder must resynchronise.
    std::string garbled = jpeg;
    garbled.replace(scan + 200, 2, "\xFF\xD5");
    std::string badMarker = jpeg;
    badMarker[sof + 1] = '\x02';
    std::string headersGone = jpeg;
    std::fill(headersGone.begin() + 2, headersGone.begin() + static_cast<long>(scan), 'x');
    const struct {
        const char* legend;
        std::string bytes;
        bool ok;
        bool endsEarly;
        bool damaged;
        const char* error; // what the message starts with
    } rows[] = {
        {"whole", jpeg, true, false, false, ""},
        {"cut in the middle of the image data", jpeg.substr(0, jpeg.size() / 2), true, true, false,
         ""},
        {"a marker inside the image data", garbled, true, false, true, ""},
        {"bytes between two segments", jpeg.substr(0, 2) + "garbage" + jpeg.substr(2), true, false,
         false, ""},
        {"a marker of no known kind", badMarker, false, false, false, "Unsupported marker type"},
        {"the tables overwritten", headersGone, false, false, false, ""},
        {"cut inside the header", jpeg.substr(0, sof + 4), false, false, false, ""},
        {"not a JPEG file", "\x89PNG\r\n", false, false, false, "Not a JPEG file"},
        {"empty", "", false, false, false, "Empty input file"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        const std::string path = dir.File("map.jpg");
        testsupport::WriteBytes(path, row.bytes);
        const platform::UniqueFd fd = Open(path);
        platform::JpegInfo info;
        platform::JpegOutcome outcome = platform::ReadJpegInfo(fd.Get(), &info);
        if (outcome.ok) {
            int rowsOut = 0;
            outcome = platform::DecodeJpeg(fd.Get(), 1, info, [&](int, const std::uint32_t*) {
                ++rowsOut;
                return true;
            });
            if (outcome.ok) {
                EXPECT_EQ(rowsOut, 120) << "grey rows stand in for the missing ones";
            }
        }
        EXPECT_EQ(outcome.ok, row.ok) << outcome.error;
        EXPECT_EQ(outcome.endsEarly, row.endsEarly);
        EXPECT_EQ(outcome.damaged, row.damaged);
        EXPECT_EQ(outcome.error.empty(), row.ok) << outcome.error;
        EXPECT_EQ(outcome.error.rfind(row.error, 0), 0u) << outcome.error;
    }
}

TEST(JpegDecoder, StopsWhenAskedAndRefusesAFileThatChanged) {
    testsupport::TempDir dir;
    const std::string path = dir.File("map.jpg");
    testsupport::WriteBytes(path, Jpeg(Gradient(64, 100)));
    const platform::UniqueFd fd = Open(path);
    platform::JpegInfo info;
    ASSERT_TRUE(platform::ReadJpegInfo(fd.Get(), &info).ok);
    platform::JpegInfo taller = info;
    taller.height += 1;
    const struct {
        const char* legend;
        platform::JpegInfo expected;
        int stopAt;  // the row whose sink call says stop
        int rowsOut; // rows the sink saw
        bool stopped;
        const char* error;
    } rows[] = {
        {"stopped at row 30", info, 30, 31, true, ""},
        {"another size than the header said before", taller, -1, 0, false,
         "the file changed while it was read"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        int rowsOut = 0;
        const platform::JpegOutcome outcome =
            platform::DecodeJpeg(fd.Get(), 1, row.expected, [&](int y, const std::uint32_t*) {
                ++rowsOut;
                return y != row.stopAt;
            });
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.stopped, row.stopped);
        EXPECT_EQ(rowsOut, row.rowsOut);
        EXPECT_EQ(outcome.error, row.error);
    }
}
