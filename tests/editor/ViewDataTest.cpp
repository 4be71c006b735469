// The editor's data and rules, without a window: slots, drags, right clicks, map files, pictures, launch.
#include <QtTest>
#include <filesystem>

#include "codecs/CodecMessages.h"
#include "common/MapFile.h"
#include "editor/CMfcappView.h"
#include "editor/Translation.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/editor/QuadrantPicture.h"
#include "tests/support/GifFiles.h"
#include "tests/support/JpegEncode.h"
#include "tests/support/MessageLog.h"
#include "tests/support/NoNewFiles.h"
#include "tests/support/PictureFiles.h"

namespace fs = std::filesystem;

Q_DECLARE_METATYPE(ViewRect)

namespace {
void Drag(CMfcappView& view, int x0, int y0, int x1, int y1) {
    view.LeftDown(x0, y0);
    view.MouseMove(x1, y1);
    view.LeftUp();
}

// The baseline frame header: marker, length, precision, then height and width (big-endian).
const std::vector<uint8_t> kFrameMarker = {0xFF, 0xC0};
void PutBe16(std::vector<uint8_t>& v, size_t at, uint16_t value) {
    v[at] = uint8_t(value >> 8);
    v[at + 1] = uint8_t(value);
}

std::vector<uint8_t> SolidJpeg(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
    std::vector<uint8_t> pixels;
    for (int i = 0; i < width * height; ++i) pixels.insert(pixels.end(), {r, g, b});
    return EncodeJpeg(pixels, width, height, 3, JCS_RGB, 100);
}

std::vector<uint8_t> Le32s(std::initializer_list<int32_t> values) {
    std::vector<uint8_t> out;
    for (int32_t v : values)
        for (int i = 0; i < 4; ++i) out.push_back(uint8_t(uint32_t(v) >> (8 * i)));
    return out;
}
} // namespace

class ViewDataTest : public EditorTestBase {
    Q_OBJECT

  private Q_SLOTS:
    void init() { StartView(); }
    void cleanup() { EndView(); }

    void slotsAreUsedInTurnFromSlotOne() {
        Drag(*view, 30, 30, 40, 40);
        QCOMPARE(view->m_active, 1);
        QCOMPARE(view->m_rects[1], (ViewRect{30, 30, 40, 40}));
        QCOMPARE(view->m_rects[0], ViewRect{});
        for (int i = 2; i <= 5; ++i) Drag(*view, i, i, 50 + i, 50 + i);
        QCOMPARE(view->m_active, 0); // the fifth drag wraps to slot 0
        QCOMPARE(view->m_rects[0], (ViewRect{5, 5, 55, 55}));
        Drag(*view, 9, 9, 99, 99); // the sixth replaces slot 1
        QCOMPARE(view->m_rects[1], (ViewRect{9, 9, 99, 99}));
        QCOMPARE(view->m_dragging, 0);
    }

    void dragsAreKeptAsDrawn() {
        Drag(*view, 300, 200, 100, 50);
        QCOMPARE(view->m_rects[1], (ViewRect{300, 200, 100, 50}));
        view->RightDown(200, 100); // inside its area, but a backwards rectangle contains nothing
        QCOMPARE(view->m_rects[1], (ViewRect{300, 200, 100, 50}));
        view->LeftDown(70, 80); // a press and release without a move
        view->LeftUp();
        QCOMPARE(view->m_rects[2], (ViewRect{70, 80, 70, 80}));
        view->MouseMove(500, 500); // no drag under way: nothing changes
        QCOMPARE(view->m_rects[2], (ViewRect{70, 80, 70, 80}));
    }

    void rightClickEmptiesEveryRectangleHoldingThePoint_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("second");
        // first (100, 100)-(200, 200), second (150, 150)-(250, 250)
        QTest::newRow("overlap") << 175 << 175 << true << true;
        QTest::newRow("top-left corner") << 100 << 100 << true << false;
        QTest::newRow("right edge") << 200 << 120 << true << false;
        QTest::newRow("bottom edge of the second") << 240 << 250 << false << true;
        QTest::newRow("just outside") << 251 << 250 << false << false;
    }
    void rightClickEmptiesEveryRectangleHoldingThePoint() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, first);
        QFETCH(bool, second);
        Drag(*view, 100, 100, 200, 200);
        Drag(*view, 150, 150, 250, 250);
        view->RightDown(x, y);
        QCOMPARE(view->m_rects[1] == ViewRect{}, first);
        QCOMPARE(view->m_rects[2] == ViewRect{}, second);
    }

    void savedRecordsAreViewRectanglesLessTheOrigin() {
        QVERIFY(view->SaveMap());
        QCOMPARE(ReadAll("sample.map"), Le32s({-20, -20, -20, -20, -20, -20, -20, -20, -20, -20,
                                               -20, -20, -20, -20, -20, -20, -20, -20, -20, -20}));
        QCOMPARE(log.lines.back(), std::string("mfcapp|sample.map로 저장 되었습니다."));
        QVERIFY(view->LoadMap());
        for (const ViewRect& r : view->m_rects) QCOMPARE(r, ViewRect{});

        Drag(*view, 120, 70, 40, 30);
        QVERIFY(view->SaveMap());
        const std::vector<uint8_t> bytes = ReadAll("sample.map");
        QCOMPARE(std::vector<uint8_t>(bytes.begin() + 16, bytes.begin() + 32), Le32s({100, 50, 20, 10}));
    }

    // The save message in each language, through Qt's translation of the Korean source text; the map
    // path keeps its own bytes, even those that are not UTF-8.
    void saveMessageIsInTheEditorsLanguage_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("ko") << false << QByteArray("sample.map")
                            << QByteArray("sample.map로 저장 되었습니다.");
        QTest::newRow("en") << true << QByteArray("sample.map") << QByteArray("Saved to sample.map.");
        QTest::newRow("en, cp949 name")
            << true << QByteArray("\xB0\xA1.map") << QByteArray("Saved to \xB0\xA1.map.");
        QTest::newRow("ko, cp949 name")
            << false << QByteArray("\xB0\xA1.map") << QByteArray("\xB0\xA1.map로 저장 되었습니다.");
    }
    void saveMessageIsInTheEditorsLanguage() {
        QFETCH(bool, english);
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, message);
        const Translation translation(english ? Language::English : Language::Korean);
        QCOMPARE(translation.Installed(), english);
        view->m_mapPath = path.toStdString();
        QVERIFY(view->SaveMap());
        QCOMPARE(log.lines.back(), "mfcapp|" + message.toStdString());
    }

    void languageOptionTakesKoOrEn_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("value");
        QTest::newRow("none") << QStringList{"zor_edit"} << true << "";
        QTest::newRow("en") << QStringList{"zor_edit", "--lang", "en"} << true << "en";
        QTest::newRow("last wins") << QStringList{"zor_edit", "--lang", "en", "--lang", "ko"} << true << "ko";
        QTest::newRow("no value") << QStringList{"zor_edit", "--lang"} << false << "";
        QTest::newRow("other language") << QStringList{"zor_edit", "--lang", "fr"} << false << "fr";
        QTest::newRow("locale name") << QStringList{"zor_edit", "--lang", "en_US.UTF-8"} << false
                                     << "en_US.UTF-8";
        QTest::newRow("program name only") << QStringList{"--lang"} << true << "";
    }
    void languageOptionTakesKoOrEn() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, ok);
        QFETCH(QString, value);
        std::string got, error;
        QCOMPARE(LanguageOption(arguments, got, error), ok);
        QCOMPARE(QString::fromStdString(got), value);
        QCOMPARE(error.empty(), ok);
    }

    void loadThenSaveWritesTheSameBytes() {
        std::vector<uint8_t> original =
            Le32s({1,  2,  3, 4, -5, -20, 700, 480, INT32_MAX, INT32_MIN, -1, 0, INT32_MIN + 3, INT32_MAX - 7,
                   19, 21, 0, 0, 0,  0});
        std::ofstream("sample.map", std::ios::binary)
            .write(reinterpret_cast<const char*>(original.data()), std::streamsize(original.size()));
        QVERIFY(view->LoadMap());
        QCOMPARE(view->m_rects[0], (ViewRect{21, 22, 23, 24}));
        QVERIFY(view->SaveMap());
        QCOMPARE(ReadAll("sample.map"), original);
    }

    void shortMapLeavesMissingRecordsEmpty() {
        const std::vector<uint8_t> bytes = Le32s({1, 2, 3, 4, 5, 6, 7}); // one record and part of another
        std::ofstream("sample.map", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        view->m_rects.fill({1, 1, 9, 9});
        QVERIFY(view->LoadMap());
        QCOMPARE(view->m_rects[0], (ViewRect{21, 22, 23, 24}));
        for (int k = 1; k < 5; ++k) QCOMPARE(view->m_rects[k], ViewRect{});
    }

    void missingMapIsReportedAndChangesNothing() {
        view->m_rects[3] = {1, 2, 3, 4};
        QVERIFY(!view->LoadMap());
        QCOMPARE(log.lines, std::vector<std::string>{"mfcapp|mapfile open error..."});
        QCOMPARE(view->m_rects[3], (ViewRect{1, 2, 3, 4}));
    }

    void failedSaveKeepsTheOldFile() {
        Drag(*view, 120, 70, 40, 30);
        QVERIFY(view->SaveMap());
        const std::vector<uint8_t> saved = ReadAll("sample.map");
        Drag(*view, 1, 1, 2, 2);
        {
            const FileSizeLimit limit(40); // half a map
            QVERIFY(!view->SaveMap());
        }
        QCOMPARE(log.lines.back(), std::string("mfcapp|mapfile write error..."));
        QCOMPARE(ReadAll("sample.map"), saved);
        int files = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(".")) ++files;
        QCOMPARE(files, 1); // no temporary file is left behind
    }

    // A map that is a link is saved to the file it names; in a folder that takes no new file the old map is
    // written over, and the message says so.
    void saveFollowsLinksAndWritesInPlaceWhereTheFolderIsReadOnly() {
        fs::create_directories("real");
        WriteText("real/sample.map", std::string(80, 'x'));
        fs::permissions("real/sample.map", fs::perms::owner_read | fs::perms::owner_write);
        fs::create_symlink("real/sample.map", "sample.map");
        Drag(*view, 120, 70, 40, 30);
        QVERIFY(view->SaveMap());
        QVERIFY(fs::is_symlink("sample.map"));
        QCOMPARE(ReadAll("real/sample.map").size(), size_t(80));
        QCOMPARE(fs::status("real/sample.map").permissions(), fs::perms::owner_read | fs::perms::owner_write);
        QCOMPARE(log.lines.back(), std::string("mfcapp|sample.map로 저장 되었습니다."));

        Drag(*view, 1, 1, 60, 60);
        bool saved = false;
        {
            const NoNewFiles readOnly(EACCES);
            saved = view->SaveMap();
        }
        QVERIFY(saved);
        QCOMPARE(log.lines.back(),
                 "mfcapp|sample.map로 저장 되었습니다." + std::string(CMfcappView::kWrittenInPlace));
        QCOMPARE(DecodeMap(ReadAll("real/sample.map")), view->PictureRects());
    }

    void mapPathIsCutInTheLastComponent_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("map");
        QTest::newRow("plain") << "pics/cat.jpg"
                               << "pics/cat.map";
        QTest::newRow("dotted folder") << "my.pics/cat.jpg"
                                       << "my.pics/cat.map";
        QTest::newRow("dot-slash") << "./cat.jpg"
                                   << "./cat.map";
        QTest::newRow("two dots") << "cat.v2.jpg"
                                  << "cat.map";
        QTest::newRow("no dot") << "cat"
                                << "cat.map";
    }
    void mapPathIsCutInTheLastComponent() {
        QFETCH(QString, picture);
        QFETCH(QString, map);
        view->m_rects[2] = {5, 5, 50, 50};
        view->OpenPicture(picture.toStdString());
        QCOMPARE(QString::fromStdString(view->m_mapPath), map);
        QCOMPARE(view->m_rects[2], ViewRect{}); // emptied, then the missing map changed nothing
        QVERIFY(log.lines.front() == "mfcapp|mapfile open error...");
    }

    void tooLongPathIsRefusedAndChangesNothing() {
        view->m_rects[2] = {5, 5, 50, 50};
        QVERIFY(!view->OpenPicture(std::string(252, 'a') + ".jpg")); // 256 with ".map"
        QCOMPARE(log.lines, std::vector<std::string>{"mfcapp|mapfile path too long..."});
        QCOMPARE(view->m_mapPath, std::string("sample.map"));
        QCOMPARE(view->m_rects[2], (ViewRect{5, 5, 50, 50}));
        view->OpenPicture(std::string(251, 'a') + ".jpg");
        QCOMPARE(view->m_mapPath.size(), size_t(255));
    }

    void pictureIsKeptBottomUpBlueGreenRedWithRowsOfFourBytes() {
        // 101 x 2: the top row red, the bottom row blue (two rows of 8 keep the colours apart in JPEG).
        std::vector<uint8_t> pixels;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 101; ++x)
                pixels.insert(pixels.end(), {uint8_t(y < 8 ? 255 : 0), 0, uint8_t(y < 8 ? 0 : 255)});
        scratch->dir().Write("pic.jpg", EncodeJpeg(pixels, 101, 16, 3, JCS_RGB, 100));
        QVERIFY(view->OpenPicture("pic.jpg"));
        const RgbPicture& p = view->m_picture;
        QCOMPARE(p.m_width, 101u);
        QCOMPARE(p.m_height, 16u);
        QCOMPARE(p.m_rowBytes, 304u);
        const uint8_t* first = p.m_pImage.get(); // the bottom row, stored first: blue
        QVERIFY(first[0] > 240 && first[2] < 16);
        const uint8_t* last = p.m_pImage.get() + 15 * 304 + 100 * 3; // the top row's last pixel: red
        QVERIFY(last[2] > 240 && last[0] < 16);
    }

    void otherEndingsLoadTheMapAndKeepThePicture_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("mixed case") << "cat.Jpg";
        QTest::newRow("jpeg") << "cat.jpeg";
        QTest::newRow("GIF that is a JPEG") << "cat.GIF";
        QTest::newRow("bmp that is a JPEG") << "cat.bmp";
    }
    void otherEndingsLoadTheMapAndKeepThePicture() {
        QFETCH(QString, name);
        scratch->dir().Write("first.jpg", SolidJpeg(8, 8, 0, 255, 0));
        QVERIFY(view->OpenPicture("first.jpg"));
        scratch->dir().Write(name.toStdString(), SolidJpeg(16, 16, 255, 0, 0));
        scratch->dir().Write("cat.map", Le32s({10, 10, 30, 30}));
        view->OpenPicture(name.toStdString());
        QCOMPARE(view->m_mapPath, std::string("cat.map"));
        QCOMPARE(view->m_rects[0], (ViewRect{30, 30, 50, 50}));
        QCOMPARE(view->m_picture.m_width, 8u);
    }

    void bmpAndGifPicturesArriveInTheSameLayout() {
        // 3 x 2, bottom row first in the BMP: blue, green, red pixels; top row white.
        std::vector<uint8_t> rows = {255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0};
        rows.insert(rows.end(), {255, 255, 255, 255, 255, 255, 255, 255, 255, 0, 0, 0});
        scratch->dir().Write("cat.bmp", MakeBmp(24, 3, 2, rows));
        QVERIFY(view->OpenPicture("cat.bmp"));
        const RgbPicture& p = view->m_picture;
        QCOMPARE(p.m_width, 3u);
        QCOMPARE(p.m_rowBytes, 12u);
        QCOMPARE(std::vector<uint8_t>(p.m_pImage.get(), p.m_pImage.get() + 9),
                 (std::vector<uint8_t>{255, 0, 0, 0, 255, 0, 0, 0, 255}));

        // 2 x 2 GIF, top row red, black; bottom row black, blue.
        const std::vector<uint8_t> gif = GifBuilder(2, 2, {{255, 0, 0}, {0, 0, 0}, {0, 0, 255}, {9, 9, 9}})
                                             .Image({0, 0, 2, 2, false, {}, {0, 1, 1, 2}, 2})
                                             .Done();
        scratch->dir().Write("dog.gif", gif);
        QVERIFY(view->OpenPicture("dog.gif"));
        QCOMPARE(p.m_width, 2u);
        QCOMPARE(p.m_rowBytes, 8u);
        QCOMPARE(std::vector<uint8_t>(p.m_pImage.get(), p.m_pImage.get() + 6), // bottom row, blue-green-red
                 (std::vector<uint8_t>{0, 0, 0, 255, 0, 0}));
        QCOMPARE(std::vector<uint8_t>(p.m_pImage.get() + 8, p.m_pImage.get() + 14),
                 (std::vector<uint8_t>{0, 0, 255, 0, 0, 0}));
        QCOMPARE(view->m_mapPath, std::string("dog.map"));
    }

    // Upper-case endings choose the reader as the lower-case ones do.
    void upperCaseEndingsOpenTheirPictures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        const std::vector<uint8_t> jpeg = SolidJpeg(5, 3, 255, 0, 0);
        const std::vector<uint8_t> gif = GifBuilder(5, 3, {{255, 0, 0}, {0, 0, 0}})
                                             .Image({0, 0, 5, 3, false, {}, std::vector<uint8_t>(15), 2})
                                             .Done();
        const std::vector<uint8_t> bmp = MakeBmp(24, 5, 3, std::vector<uint8_t>(3 * 16, 0));
        auto bytes = [](const std::vector<uint8_t>& v) {
            return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
        };
        QTest::newRow("JPG") << "cat.JPG" << bytes(jpeg);
        QTest::newRow("GIF") << "cat.GIF" << bytes(gif);
        QTest::newRow("BMP") << "cat.BMP" << bytes(bmp);
    }
    void upperCaseEndingsOpenTheirPictures() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        scratch->dir().Write(name.toStdString(), std::vector<uint8_t>(bytes.begin(), bytes.end()));
        QVERIFY(view->OpenPicture(name.toStdString()));
        QCOMPARE(view->m_picture.m_width, 5u);
        QCOMPARE(view->m_picture.m_height, 3u);
        QVERIFY(view->m_picture.m_pImage);
    }

    void unreadableBmpOrGifKeepsThePicture_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("gif") << "bad.gif"
                             << "mfcapp|Error, bad.gif is not a valid .GIF file";
        QTest::newRow("bmp") << "bad.bmp"
                             << "mfcapp|Not a valid BMP File";
    }
    void unreadableBmpOrGifKeepsThePicture() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        scratch->dir().Write("first.jpg", SolidJpeg(8, 8, 0, 255, 0));
        QVERIFY(view->OpenPicture("first.jpg"));
        scratch->dir().Write(name.toStdString(), std::vector<uint8_t>(64, 'x'));
        log.lines.clear();
        QVERIFY(!view->OpenPicture(name.toStdString()));
        QCOMPARE(view->m_picture.m_width, 8u);
        QVERIFY(view->m_picture.m_pImage);
        QCOMPARE(log.lines.size(), size_t(2)); // the missing map, then the reader's text
        QCOMPARE(log.lines[1], message.toStdString());
    }

    // After a JPEG that cannot be read the view has no picture, though a good one was open before.
    void aFailedJpegAfterAGoodOneLeavesNoPicture() {
        scratch->dir().Write("good.jpg", Quadrants::File("good.jpg"));
        QVERIFY(view->OpenPicture("good.jpg"));
        scratch->dir().Write("bad.jpg", std::vector<uint8_t>(64, 'x'));
        log.lines.clear();
        QVERIFY(!view->OpenPicture("bad.jpg"));
        QCOMPARE(view->m_picture.m_width, 0u);
        QCOMPARE(view->m_picture.m_height, 0u);
        QCOMPARE(view->m_mapPath, std::string("bad.map"));
        QCOMPARE(log.lines.size(), size_t(2)); // the missing map, then the JPEG library's own message
        QVERIFY2(log.lines[1].starts_with("JPEG"), log.lines[1].c_str());
    }

    void startupReportsMissingFilesAndStartsEmpty() {
        view->LoadStartup();
        QCOMPARE(log.lines, (std::vector<std::string>{"Error|JPEG :\nCan't open sample.jpg\n",
                                                      "mfcapp|mapfile open error..."}));
        QVERIFY(!view->m_picture.m_pImage);
        QCOMPARE(view->m_mapPath, std::string("sample.map"));
    }

    // The bound is a count of pixels, not a side: a panorama opens; a column past 8192 x 8192, or a wider
    // panorama of more pixels, is refused from the header (the sizes are patched into a small file's frame
    // header).
    void picturesOpenUpToAPixelCountInAnyShape_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("opens");
        QTest::newRow("20000 x 1000") << 20000 << 1000 << true;
        QTest::newRow("8193 x 8192") << 8193 << 8192 << false;
        QTest::newRow("33000 x 2034") << 33000 << 2034 << false;
    }
    void picturesOpenUpToAPixelCountInAnyShape() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, opens);
        std::vector<uint8_t> jpeg = SolidJpeg(opens ? width : 16, opens ? height : 16, 9, 9, 9);
        if (!opens) {
            const size_t sof =
                size_t(std::search(jpeg.begin(), jpeg.end(), kFrameMarker.begin(), kFrameMarker.end()) -
                       jpeg.begin());
            QVERIFY(sof < jpeg.size());
            PutBe16(jpeg, sof + 5, uint16_t(height));
            PutBe16(jpeg, sof + 7, uint16_t(width));
        }
        scratch->dir().Write("big.jpg", jpeg);
        log.lines.clear();
        QCOMPARE(view->LoadPictureJpeg("big.jpg"), opens);
        if (opens) {
            QCOMPARE(view->m_picture.m_width, uint32_t(width));
            QCOMPARE(view->m_picture.m_height, uint32_t(height));
        } else {
            QCOMPARE(log.lines.size(), size_t(1));
            QVERIFY2(log.lines[0].find("Picture too large") != std::string::npos, log.lines[0].c_str());
        }
    }

    // Test starts the game beside the editor when there is one, else the first on PATH; in the editor's
    // working directory in both cases.
    void testStartsTheGameWithTheMapPath_data() {
        QTest::addColumn<bool>("beside");
        QTest::newRow("beside the editor") << true;
        QTest::newRow("on PATH") << false;
    }
    void testStartsTheGameWithTheMapPath() {
        QFETCH(bool, beside);
        TempDir programDir, pathDir;
        const std::string record = scratch->dir().Path("launched.txt");
        const std::string game = (beside ? programDir : pathDir).Path("zor");
        WriteText(game, "#!/bin/sh\nprintf '%s\\n%s\\n' \"$1\" \"$(pwd)\" > " + record + ".tmp\nmv " +
                            record + ".tmp " + record + "\n");
        fs::permissions(game, fs::perms::owner_all);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QByteArray::fromStdString(pathDir.Path("") + ":" + path.toStdString()));
        view->TestMap(programDir.Path(""));
        qputenv("PATH", path);
        QCOMPARE(log.lines, std::vector<std::string>{"mfcapp|sample.map로 저장 되었습니다."});
        QVERIFY(WaitForFile(record, 10));
        QCOMPARE(ReadText(record), "sample.map\n" + fs::current_path().string() + "\n");
        for (int i = 0; i < 100 && ZombieChildren() > 0; ++i) QTest::qWait(20);
        QCOMPARE(ZombieChildren(), 0);
    }

    void testWithNoGameAnywhereShowsErrorTwo() {
        TempDir empty;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QByteArray::fromStdString(empty.Path("")));
        view->TestMap(empty.Path(""));
        qputenv("PATH", path);
        QCOMPARE(log.lines.back(), std::string("mfcapp|ZOR.EXE Open error 2"));
        QVERIFY(fs::exists("sample.map")); // the save came first
    }
};

QTEST_GUILESS_MAIN(ViewDataTest)
#include "ViewDataTest.moc"
