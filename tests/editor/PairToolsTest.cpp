// The editor's pair tools on the bundled sample pair: check, suggest, the difference tint, and how they are
// painted and reached from the Tools menu.
#include <QAction>
#include <QPainter>
#include <QtTest>
#include <filesystem>

#include "codecs/CodecMessages.h"
#include "common/MapFile.h"
#include "editor/CMainFrame.h"
#include "editor/CMfcappView.h"
#include "editor/ViewPaint.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/JpegEncode.h"
#include "tests/support/MessageLog.h"
#include "tools/pairs/DifferenceFinder.h"

namespace fs = std::filesystem;

namespace {
// A place of the sample's left picture that lies outside all five of its rectangles.
constexpr MapRect kPlanted{260, 40, 285, 65};
constexpr int kRightOffset = 309;
const QRgb kStray = qRgb(255, 0, 255);

// Changes the right picture's twin of the place, in the view's bottom-up blue-green-red rows.
void PlantDifference(RgbPicture& picture, const MapRect& place) {
    for (int y = place.top; y <= place.bottom; ++y)
        for (int x = place.left; x <= place.right; ++x) {
            uint8_t* p = picture.m_pImage.get() + size_t(picture.m_height - 1 - y) * picture.m_rowBytes +
                         size_t(x + kRightOffset) * 3;
            for (int c = 0; c < 3; ++c) p[c] = uint8_t(255 - p[c]);
        }
}

QImage Paint(const CMfcappView& view) {
    QImage image(CMainFrame::kWidth, CMainFrame::kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    PaintView(painter, view);
    return image;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}
} // namespace

class PairToolsTest : public EditorTestBase {
    Q_OBJECT

    // The bundled sample pair in the current directory, opened as at start-up.
    // The data is a test fixture (tests/CMakeLists.txt): missing, it is a failure, not a skip.
    bool OpenSample() {
        const fs::path data = ZOR_TEST_DATA_DIR;
        if (!fs::exists(data / "sample.jpg")) return false;
        fs::copy_file(data / "sample.jpg", "sample.jpg");
        fs::copy_file(data / "sample.map", "sample.map");
        view->LoadStartup();
        return true;
    }

  private Q_SLOTS:
    void init() { StartView(); }
    void cleanup() { EndView(); }

    void checkPassesTheSamplePair() {
        QVERIFY2(OpenSample(), "no built data directory at " ZOR_TEST_DATA_DIR);
        QVERIFY(view->CheckPair());
        QCOMPARE(log.lines.size(), size_t(1));
        QVERIFY2(StartsWith(log.lines[0], "mfcapp|The pair is fair.\n"), log.lines[0].c_str());
        QVERIFY(view->m_strayRects.empty());
    }

    void plantedStrayIsReportedAndOutlinedUntilTheRectanglesChange() {
        QVERIFY2(OpenSample(), "no built data directory at " ZOR_TEST_DATA_DIR);
        PlantDifference(view->m_picture, kPlanted);
        QVERIFY(view->CheckPair());
        QVERIFY2(StartsWith(log.lines.back(), "mfcapp|The pair is not fair.\n"), log.lines.back().c_str());
        QVERIFY(log.lines.back().find("outside every rectangle") != std::string::npos);
        QCOMPARE(view->m_strayRects.size(), size_t(1));
        const MapRect stray = view->m_strayRects[0];
        QVERIFY(stray.left <= kPlanted.left + 2 && stray.right >= kPlanted.right - 2);
        QVERIFY(stray.top <= kPlanted.top + 2 && stray.bottom >= kPlanted.bottom - 2);

        // Ringed just outside the place, in view coordinates; the place itself is left to see.
        view->m_rects = {};
        const QImage image = Paint(*view);
        const int o = CMfcappView::kOrigin;
        QCOMPARE(image.pixel(stray.left + o - 1, stray.top + o + 5), kStray);
        QCOMPARE(image.pixel(stray.right + o + 2, stray.bottom + o - 5), kStray);
        QVERIFY(image.pixel(stray.left + o + 1, stray.top + o + 1) != kStray);

        view->LeftDown(100, 100);
        QVERIFY(view->m_strayRects.empty());
        view->LeftUp();
        QVERIFY(view->CheckPair());
        QVERIFY(!view->m_strayRects.empty());
        view->LoadPictureJpeg("sample.jpg"); // another picture: the stray places go
        QVERIFY(view->m_strayRects.empty());
    }

    void suggestRecoversTheSampleRectangles() {
        QVERIFY2(OpenSample(), "no built data directory at " ZOR_TEST_DATA_DIR);
        const MapRecords truth = view->PictureRects();
        QVERIFY(view->SuggestRects());
        QVERIFY(log.lines.empty());
        const MapRecords suggested = view->PictureRects();
        for (const MapRect& t : truth) {
            double best = 0;
            for (const MapRect& s : suggested) best = std::max(best, IntersectionOverUnion(t, s));
            QVERIFY2(best >= 0.5, QByteArray::number(t.left) + "," + QByteArray::number(t.top));
        }
        // Slots hold view coordinates, 20 pixels from the picture's.
        QCOMPARE(view->m_rects[0].left, suggested[0].left + CMfcappView::kOrigin);
        QCOMPARE(view->m_rects[0].top, suggested[0].top + CMfcappView::kOrigin);
        // The suggestion passes its own check, and the next drag redraws slot 0.
        QVERIFY(view->CheckPair());
        QVERIFY2(StartsWith(log.lines.back(), "mfcapp|The pair is fair.\n"), log.lines.back().c_str());
        view->LeftDown(50, 50);
        QCOMPARE(view->m_active, 0);
    }

    // A pair whose halves agree: nothing to suggest, the author's rectangles stay, and Check says the
    // rectangles hold no difference.
    void identicalHalvesKeepTheDrawnRectangles() {
        const std::vector<uint8_t> pixels(640 * 480 * 3, 120);
        const std::vector<uint8_t> jpeg = EncodeJpeg(pixels, 640, 480, 3, JCS_RGB, 90);
        std::ofstream("same.jpg", std::ios::binary)
            .write(reinterpret_cast<const char*>(jpeg.data()), std::streamsize(jpeg.size()));
        QVERIFY(view->LoadPictureJpeg("same.jpg"));
        view->m_rects[3] = {60, 60, 100, 100};
        const auto rects = view->m_rects;
        QVERIFY(view->SuggestRects());
        QCOMPARE(log.lines, std::vector<std::string>{std::string("mfcapp|") + CMfcappView::kNothingDiffers});
        QCOMPARE(view->m_rects, rects);
        QVERIFY(view->CheckPair());
        QVERIFY(StartsWith(log.lines.back(), "mfcapp|The pair is not fair.\n"));
        QVERIFY(view->m_strayRects.empty());
    }

    void otherPictureSizesAreRefusedWithAMessage_data() {
        QTest::addColumn<bool>("withPicture");
        QTest::newRow("40x30") << true;
        QTest::newRow("no picture") << false;
    }
    void otherPictureSizesAreRefusedWithAMessage() {
        QFETCH(bool, withPicture);
        std::vector<uint8_t> pixels(40 * 30 * 3, 90);
        const std::vector<uint8_t> jpeg = EncodeJpeg(pixels, 40, 30, 3, JCS_RGB, 100);
        std::ofstream("small.jpg", std::ios::binary)
            .write(reinterpret_cast<const char*>(jpeg.data()), std::streamsize(jpeg.size()));
        if (withPicture) QVERIFY(view->LoadPictureJpeg("small.jpg"));
        view->m_rects[2] = {30, 30, 60, 60};
        const auto rects = view->m_rects;
        const std::string message = std::string("mfcapp|") + CMfcappView::kNotAPair + " (this one is " +
                                    (withPicture ? "40 x 30" : "0 x 0") + ").";
        QVERIFY(!view->CheckPair());
        QVERIFY(!view->SuggestRects());
        view->ShowDifferences(true);
        QCOMPARE(log.lines, (std::vector<std::string>(3, message)));
        QCOMPARE(view->m_rects, rects);
        QVERIFY(!view->m_showDifferences);
        QVERIFY(view->m_differences.empty());
    }

    void differencesTintBothPicturesOnlyWhereTheyDiffer() {
        QVERIFY2(OpenSample(), "no built data directory at " ZOR_TEST_DATA_DIR);
        view->m_rects = {};
        const QImage plain = Paint(*view);
        view->ShowDifferences(true);
        QVERIFY(view->m_showDifferences);
        QCOMPARE(view->m_differences.size(), size_t(300 * 400));
        const QImage tinted = Paint(*view);
        int set = 0;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 300; ++x) {
                const bool differs = view->m_differences[size_t(y) * 300 + x];
                set += differs;
                for (int right : {0, kRightOffset}) {
                    const QPoint at(20 + 10 + right + x, 20 + 20 + y);
                    if ((plain.pixel(at) != tinted.pixel(at)) != differs)
                        QFAIL(qPrintable(QString("pixel %1,%2").arg(at.x()).arg(at.y())));
                }
            }
        QVERIFY(set > 500);
        // A picture that is not a pair turns the tint off.
        std::vector<uint8_t> pixels(40 * 30 * 3, 90);
        const std::vector<uint8_t> jpeg = EncodeJpeg(pixels, 40, 30, 3, JCS_RGB, 100);
        std::ofstream("small.jpg", std::ios::binary)
            .write(reinterpret_cast<const char*>(jpeg.data()), std::streamsize(jpeg.size()));
        view->LoadPictureJpeg("small.jpg");
        QVERIFY(!view->m_showDifferences);
        QVERIFY(view->m_differences.empty());
    }

    void toolsMenuKeysRunTheTools() {
        QVERIFY2(OpenSample(), "no built data directory at " ZOR_TEST_DATA_DIR);
        CMainFrame frame(*view, QString::fromStdString(fs::current_path().string()));
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        view->m_rects = {};
        QTest::keyClick(&frame, Qt::Key_F8);
        QVERIFY(view->m_rects[0] != ViewRect{});
        QTest::keyClick(&frame, Qt::Key_F9);
        QVERIFY(view->m_showDifferences);
        QVERIFY(frame.findChild<QAction*>("showDifferences")->isChecked());
        QTest::keyClick(&frame, Qt::Key_F9);
        QVERIFY(!view->m_showDifferences);
        QTest::keyClick(&frame, Qt::Key_F7);
        QVERIFY(StartsWith(log.lines.back(), "mfcapp|The pair is fair.\n"));
    }
};

QTEST_MAIN(PairToolsTest)
#include "PairToolsTest.moc"
