#include "JpegDecoder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {
std::vector<unsigned char> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
}

TEST(JpegDecoder, DecodesTheFrontPanelPicture)
{
    const JpegDecodeResult result = DecodeJpegFile(VKA_ASSETS_DIR "/front-panel.jpg");
    ASSERT_TRUE(result.error.empty()) << result.error;
    EXPECT_EQ(result.image.width(), 520);
    EXPECT_EQ(result.image.height(), 148);
    // The panel's dark frame at the top-left corner.
    EXPECT_LT(qGray(result.image.pixel(8, 74)), 60);
}

TEST(JpegDecoder, BadInputGivesAMessageAndNoPicture)
{
    EXPECT_FALSE(DecodeJpegFile("/nonexistent/panel.jpg").error.empty());
    EXPECT_TRUE(DecodeJpegBytes(nullptr, 0).image.isNull());

    std::vector<unsigned char> garbage(300, 0x5a);
    const JpegDecodeResult notJpeg = DecodeJpegBytes(garbage.data(), garbage.size());
    EXPECT_TRUE(notJpeg.image.isNull());
    EXPECT_FALSE(notJpeg.error.empty());

    std::vector<unsigned char> bytes = readFile(VKA_ASSETS_DIR "/front-panel.jpg");
    ASSERT_GT(bytes.size(), 400u);
    bytes.resize(400);  // the header survives, the picture data does not
    const JpegDecodeResult cut = DecodeJpegBytes(bytes.data(), bytes.size());
    // libjpeg pads a cut picture and warns; either way the size is the header's.
    if (cut.error.empty())
        EXPECT_EQ(cut.image.width(), 520);
    else
        EXPECT_TRUE(cut.image.isNull());
}
