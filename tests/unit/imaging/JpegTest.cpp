#include "imaging/jpeg.h"

#include "system/errors.h"
#include "tests/unit/imaging/test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using imaging::decodeJpeg;
using imaging::Picture;
using namespace testing_files;

namespace {

Picture decode(const Bytes& b) {
    return decodeJpeg(b.data(), b.size());
}

Bytes fixture(const char* name) {
    return readFile(std::string(FIXTURE_DIR "/") + name);
}

void expectNear(std::uint32_t pixel, int r, int g, int b, const std::string& what) {
    EXPECT_EQ(pixel >> 24, 255u) << what;
    EXPECT_NEAR(int(pixel >> 16 & 0xFF), r, 12) << what;
    EXPECT_NEAR(int(pixel >> 8 & 0xFF), g, 12) << what;
    EXPECT_NEAR(int(pixel & 0xFF), b, 12) << what;
}

const JpegSegment& segment(const std::vector<JpegSegment>& all, std::uint8_t marker) {
    for (const JpegSegment& s : all)
        if (s.marker == marker)
            return s;
    throw std::runtime_error("marker missing");
}

} // namespace

TEST(Jpeg, ColourFilesDecodeToOpaqueRgb) {
    // Red on the left half, blue on the right, as the fixture script draws it.
    for (const char* name : {"halves_baseline.jpg", "halves_progressive.jpg"}) {
        Picture p = decode(fixture(name));
        ASSERT_EQ(p.width, 16) << name;
        ASSERT_EQ(p.height, 8) << name;
        expectNear(p.pixels[2 * 16 + 2], 200, 30, 40, name);
        expectNear(p.pixels[5 * 16 + 13], 20, 60, 220, name);
    }
}

TEST(Jpeg, GreyFilesBecomeGreyRgb) {
    Picture p = decode(fixture("halves_grey.jpg"));
    ASSERT_EQ(p.pixels.size(), 16u * 8);
    std::uint32_t left = p.pixels[3 * 16 + 1];
    EXPECT_EQ(left >> 16 & 0xFF, left & 0xFF);
    EXPECT_EQ(left >> 8 & 0xFF, left & 0xFF);
    expectNear(left, 84, 84, 84, "grey left half");
}

TEST(Jpeg, EveryTruncationIsAnError) {
    Bytes whole = fixture("halves_baseline.jpg");
    for (std::size_t n = 0; n < whole.size(); ++n) {
        Bytes cut(whole.begin(), whole.begin() + n);
        EXPECT_THROW(decode(cut), EInvalidGraphic) << "cut at " << n;
    }
}

TEST(Jpeg, DamagedFilesAreRejected) {
    Bytes good = fixture("halves_baseline.jpg");
    std::vector<JpegSegment> segments = jpegSegments(good);
    const JpegSegment& sof = segment(segments, 0xC0);
    const JpegSegment& dqt = segment(segments, 0xDB);
    auto withSize = [&](int width, int height) {
        Bytes b = good;
        b[sof.payload + 1] = static_cast<std::uint8_t>(height >> 8);
        b[sof.payload + 2] = static_cast<std::uint8_t>(height);
        b[sof.payload + 3] = static_cast<std::uint8_t>(width >> 8);
        b[sof.payload + 4] = static_cast<std::uint8_t>(width);
        return b;
    };
    Bytes noTables = good;
    noTables.erase(noTables.begin() + dqt.at, noTables.begin() + dqt.at + 2 + dqt.length);
    Bytes badLength = good;
    badLength[sof.payload - 1] = 3;
    Bytes twelveBit = good;
    twelveBit[sof.payload] = 12;
    struct Case {
        const char* name;
        Bytes file;
    };
    const Case cases[] = {
        {"empty", {}},
        {"PNG signature", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}},
        {"start-of-image only", {0xFF, 0xD8}},
        {"garbage after start-of-image", {0xFF, 0xD8, 0xFF, 0x00, 0x12, 0x34, 0x56}},
        {"huge picture", withSize(65000, 65000)},
        {"too many pixels", withSize(16384, 2048)},
        {"zero width", withSize(0, 8)},
        {"zero height", withSize(16, 0)},
        {"quantisation tables removed", noTables},
        {"frame header length too small", badLength},
        {"12-bit samples", twelveBit},
        {"CMYK", fixture("halves_cmyk.jpg")},
    };
    for (const Case& c : cases) {
        try {
            decode(c.file);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(std::string(e.what()).rfind("JPEG: ", 0), 0u) << c.name << ": " << e.what();
            EXPECT_GT(std::string(e.what()).size(), 7u) << c.name;
        }
    }
}
