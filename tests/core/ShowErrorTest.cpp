#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/gfx/ShowError.h"
#include "platform/MessageBox.h"

namespace {
class CapturingBox : public MessageBox {
  public:
    void Show(std::string_view caption, std::string_view text) override {
        captions.emplace_back(caption);
        texts.emplace_back(text);
    }
    std::vector<std::string> captions, texts;
};
} // namespace

TEST(ShowError, FormatsAndAppendsLineEnd) {
    CapturingBox box;
    SetErrorSink(&box);
    ShowError("CreateSurface Error %s %d X %d", "a.bmp", 640, 480);
    SetErrorSink(nullptr);
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_EQ(box.captions[0], "ERROR");
    EXPECT_EQ(box.texts[0], "CreateSurface Error a.bmp 640 X 480\r\n");
}

TEST(ShowError, LongTextIsCutToFitTheBuffer) {
    CapturingBox box;
    SetErrorSink(&box);
    const std::string name(400, 'x');
    ShowError("LowLoadPcx256(%s)", name.c_str());
    SetErrorSink(nullptr);
    ASSERT_EQ(box.texts.size(), 1u);
    // 256 bytes with the terminating zero: 253 of text, then "\r\n".
    EXPECT_EQ(box.texts[0].size(), 255u);
    EXPECT_EQ(box.texts[0].substr(0, 13), "LowLoadPcx256");
    EXPECT_EQ(box.texts[0].substr(253), "\r\n");
}
