// The editor's window on the offscreen platform: frame, menus, toolbar, mouse, keys, painting, and one run
// in which the editor saves a map and the real game, started by Test, plays it.
#include <QAction>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>
#include <QtTest>
#include <filesystem>
#include <sstream>

#include "codecs/CodecMessages.h"
#include "editor/CMainFrame.h"
#include "editor/CMfcappView.h"
#include "editor/ViewPaint.h"
#include "editor/ViewWidget.h"
#include "tests/e2e/ClickScript.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/JpegEncode.h"
#include "tests/support/MessageLog.h"

namespace fs = std::filesystem;

namespace {
const QColor kPictureColour(0, 200, 0);

void WriteSolidJpeg(const std::string& path, int width, int height, const QColor& c) {
    std::vector<uint8_t> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), {uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue())});
    const std::vector<uint8_t> bytes = EncodeJpeg(pixels, width, height, 3, JCS_RGB, 100);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void DragIn(QWidget* w, QPoint from, QPoint to) {
    QTest::mousePress(w, Qt::LeftButton, {}, from);
    QTest::mouseMove(w, to);
    QTest::mouseRelease(w, Qt::LeftButton, {}, to);
}

std::vector<QString> ItemTexts(QMenu* menu) {
    std::vector<QString> texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) texts.push_back(a->text());
    return texts;
}
} // namespace

class EditorWindowTest : public EditorTestBase {
    Q_OBJECT

    std::unique_ptr<CMainFrame> frame;

    void Open(const std::string& programDir = "") {
        frame = std::make_unique<CMainFrame>(*view, QString::fromStdString(programDir));
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    }

  private Q_SLOTS:
    void init() { StartView(); }
    void cleanup() {
        frame.reset();
        EndView();
    }

    void frameIsFixedAt800By600WithTheMenusAndToolbar() {
        Open();
        QCOMPARE(frame->windowTitle(), QString("mfcapp"));
        QCOMPARE(frame->size(), QSize(800, 600));
        QCOMPARE(frame->minimumSize(), frame->maximumSize());
        QVERIFY(!(frame->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        const QList<QAction*> top = frame->menuBar()->actions();
        QCOMPARE(top.size(), 4);
        QCOMPARE(top[0]->text(), QString("&File"));
        QCOMPARE(ItemTexts(top[0]->menu()),
                 (std::vector<QString>{"&Save \t<F2>", "&Open \t<F3>", "&Reflash \t<F5>", "E&xit \t<ESC>"}));
        QCOMPARE(top[1]->text(), QString("&Test"));
        QVERIFY(top[1]->icon().isNull());
        QCOMPARE(top[2]->text(), QString("T&ools"));
        QCOMPARE(ItemTexts(top[2]->menu()),
                 (std::vector<QString>{"&Check pair \t<F7>", "S&uggest rectangles \t<F8>",
                                       "Show &differences \t<F9>"}));
        QCOMPARE(top[3]->text(), QString("Help"));
        QCOMPARE(ItemTexts(top[3]->menu()), (std::vector<QString>{"WWW", "About"}));

        QStringList buttons;
        for (QAction* a : frame->findChild<QToolBar*>("toolbar")->actions()) {
            buttons << (a->isSeparator() ? "|" : a->objectName());
            if (a->isSeparator()) continue;
            const QImage icon = a->icon().pixmap(23, 23).toImage();
            QCOMPARE(icon.size(), QSize(23, 23));
            QSet<QRgb> colours;
            for (int y = 0; y < 23; ++y)
                for (int x = 0; x < 23; ++x) colours.insert(icon.pixel(x, y));
            QVERIFY2(colours.size() > 3, qPrintable(a->objectName())); // an outline, fills, transparency
        }
        QCOMPARE(buttons.join(' '), QString("open save | reflash test | www about"));
        const QAction* test = frame->findChild<QAction*>("test");
        QCOMPARE(test->statusTip(), QString("Test MAP ( Use ZOR.EXE )"));
        QCOMPARE(test->toolTip(), QString("Test MAP"));
    }

    void keysSaveTheMap_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("F2") << int(Qt::Key_F2) << int(Qt::NoModifier);
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << int(Qt::ControlModifier);
    }
    void keysSaveTheMap() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Open();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        QTest::keyClick(frame.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(log.lines, std::vector<std::string>{"mfcapp|sample.map로 저장 되었습니다."});
        QCOMPARE(ReadAll("sample.map").size(), size_t(80));
    }

    void mouseDrawsAndRightClickEmpties() {
        Open();
        ViewWidget* w = frame->viewWidget();
        DragIn(w, QPoint(60, 50), QPoint(110, 90));
        QCOMPARE(view->m_rects[1], (ViewRect{60, 50, 110, 90}));
        // A drag released outside the view ends there.
        QTest::mousePress(w, Qt::LeftButton, {}, QPoint(30, 30));
        QTest::mouseMove(w, QPoint(70, 40));
        QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(w->width() + 50, w->height() + 50));
        QCOMPARE(view->m_dragging, 0);
        QTest::mouseMove(w, QPoint(200, 200));
        QCOMPARE(view->m_rects[2], (ViewRect{30, 30, 70, 40}));
        QTest::mouseClick(w, Qt::RightButton, {}, QPoint(110, 90)); // the corner counts
        QCOMPARE(view->m_rects[1], ViewRect{});
    }

    void paintShowsPictureOutlinesAndPath() {
        WriteSolidJpeg("pic.jpg", 40, 30, kPictureColour);
        QVERIFY(view->OpenPicture("pic.jpg"));
        view->m_rects[0] = {100, 80, 110, 90};
        view->m_rects[1] = {300, 200, 100, 50}; // backwards: no outline
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(Qt::black);
        std::srand(7);
        {
            QPainter painter(&image);
            PaintView(painter, *view);
        }
        std::srand(7);
        const int blue = std::rand() % 256, green = std::rand() % 256, red = std::rand() % 256;
        const QRgb frameColour = qRgb(red, green, blue);
        // The picture at (20, 20) at its natural size, right side up.
        QVERIFY(Near(image.pixel(20, 20), kPictureColour, 12));
        QVERIFY(Near(image.pixel(59, 49), kPictureColour, 12));
        QCOMPARE(image.pixel(60, 49), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(59, 50), qRgb(0, 0, 0));
        // The outline: inside the rectangle, right and bottom exclusive.
        for (QPoint p : {QPoint(100, 80), QPoint(109, 80), QPoint(100, 89), QPoint(109, 89), QPoint(105, 80),
                         QPoint(109, 85)})
            QCOMPARE(image.pixel(p), frameColour);
        for (QPoint p : {QPoint(110, 85), QPoint(105, 90), QPoint(105, 85), QPoint(99, 80)})
            QCOMPARE(image.pixel(p), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(300, 120), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(200, 200), qRgb(0, 0, 0));
        // The map path in white at (0, 0).
        int white = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 80; ++x) white += qGray(image.pixel(x, y)) > 160;
        QVERIFY(white > 20);
    }

    void windowShowsThePictureAtTwentyTwenty() {
        WriteSolidJpeg("sample.jpg", 40, 30, kPictureColour);
        view->LoadStartup();
        Open();
        const QImage shot = frame->viewWidget()->grab().toImage();
        QVERIFY(Near(shot.pixel(20, 20), kPictureColour, 12));
        QVERIFY(Near(shot.pixel(59, 49), kPictureColour, 12));
        QVERIFY(!Near(shot.pixel(19, 20), kPictureColour, 12));
        QVERIFY(!Near(shot.pixel(60, 49), kPictureColour, 12));
    }

    // The editor saves a map for the sample picture; Test starts the real game on it, the game plays the
    // pair in test mode and a script clicks the middle of every rectangle just saved.
    void testPlaysTheSavedMapInTheGame() {
        const fs::path data = ZOR_TEST_DATA_DIR;
        if (!fs::exists(data / "zor.res")) QSKIP("no built data directory");
        for (const auto& entry : fs::directory_iterator(data)) {
            const std::string name = entry.path().filename().string();
            if (name != "zor" && name != "zor_edit" && name != "sample.map")
                fs::create_symlink(entry.path(), name);
        }
        TempDir programDir;
        const std::string done = fs::absolute("done").string();
        WriteText(programDir.Path("zor"), "#!/bin/sh\nSDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy " +
                                              std::string(ZOR_BINARY) +
                                              " --replay script.txt --trace trace.txt \"$@\" 2> stderr.txt\n"
                                              "echo \"$1\" > " +
                                              done + "\n");
        fs::permissions(programDir.Path("zor"), fs::perms::owner_all);

        view->LoadStartup();
        QCOMPARE(log.lines, std::vector<std::string>{"mfcapp|mapfile open error..."});
        Open(programDir.Path(""));
        const QRect drawn[] = {
            {60, 120, 40, 40}, {160, 120, 40, 40}, {260, 120, 40, 40}, {60, 260, 40, 40}, {160, 260, 40, 40}};
        for (const QRect& r : drawn) DragIn(frame->viewWidget(), r.topLeft(), r.topLeft() + QPoint(40, 40));
        MapRecords saved;
        for (int k = 0; k < 5; ++k) {
            const ViewRect& r = view->m_rects[k];
            saved[k] = {r.left - 20, r.top - 20, r.right - 20, r.bottom - 20};
        }
        WriteText("script.txt", ClickEveryDifference(saved, 10) + "150 end\n");
        frame->findChild<QAction*>("test")->trigger();
        QVERIFY(WaitForFile(done, 60));
        QCOMPARE(ReadText(done), std::string("sample.map\n"));
        std::vector<uint8_t> bytes;
        QVERIFY(ReadMapFile("sample.map", bytes));
        QCOMPARE(DecodeMap(bytes), saved);

        std::istringstream trace(ReadText("trace.txt"));
        std::vector<std::string> lines;
        for (std::string line; std::getline(trace, line);) lines.push_back(line);
        QCOMPARE(lines.size(), size_t(150));
        QVERIFY2(lines[0].find(" mode=4 ") != std::string::npos, lines[0].c_str());
        QVERIFY(lines[0].find(" left=5 ") != std::string::npos);
        QVERIFY(lines[0].find(" answers=1 ") != std::string::npos);
        QVERIFY2(lines.back().find(" left=0 ") != std::string::npos, lines.back().c_str());
        QVERIFY(lines.back().find(" p1=10 ") != std::string::npos); // no click missed
    }
};

QTEST_MAIN(EditorWindowTest)
#include "EditorWindowTest.moc"
