// The editor's window on the offscreen platform: frame, menus, toolbar, mouse, keys, painting, and one run
// in which the editor saves a map and the real game, started by Test, plays it.
#include <QAction>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <sstream>

#include "codecs/CodecMessages.h"
#include "editor/AboutBox.h"
#include "editor/CMainFrame.h"
#include "editor/CMfcappView.h"
#include "editor/QtMessageBox.h"
#include "editor/ViewPaint.h"
#include "editor/ViewWidget.h"
#include "editor/WaitCursor.h"
#include "tests/e2e/ClickScript.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/editor/QuadrantPicture.h"
#include "tests/support/JpegEncode.h"
#include "tests/support/MessageLog.h"

namespace fs = std::filesystem;

namespace {
void DragIn(QWidget* w, QPoint from, QPoint to) {
    QTest::mousePress(w, Qt::LeftButton, {}, from);
    QTest::mouseMove(w, to);
    QTest::mouseRelease(w, Qt::LeftButton, {}, to);
}

// Answers the next modal window to open (the dialog or box a command shows) with `answer`, which must
// close it; gives up after a few seconds, leaving the test to fail on what it expected.
void OnNextModal(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, ticks, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && ++*ticks < 500) return;
        timer->stop();
        timer->deleteLater();
        if (modal) answer(modal);
    });
    timer->start(10);
}

bool WaitCursorShown() {
    return QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

// The messages, each marked when it came while the wait cursor was shown.
class CursorNotingLog : public MessageBox {
  public:
    void Show(std::string_view caption, std::string_view text) override {
        lines.push_back(std::string(caption) + "|" + std::string(text) +
                        (WaitCursorShown() ? " [wait]" : ""));
    }
    std::vector<std::string> lines;
};

// Counts the paints of a widget.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Takes the URLs the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

enum Effect { Saves, OpensTheFileDialog, Repaints, StartsTheGame, OpensTheHomePage, ShowsAbout, Prints };

QAction* MenuItem(QMenuBar* bar, const QString& menu, const QString& item) {
    for (QAction* top : bar->actions()) {
        if (top->text() != menu) continue;
        if (item.isEmpty()) return top;
        for (QAction* a : top->menu()->actions())
            if (a->text() == item) return a;
    }
    return nullptr;
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

    // Every command from its menu item (a top-level item when the item text is empty) and each of its keys:
    // the menu text, the prompt the status bar shows for it, and what it does.
    void commands_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("effect");
        QTest::newRow("Save") << "save"
                              << "&File"
                              << "&Save \t<F2>" << QStringList{"F2", "Ctrl+S"} << "File Save" << int(Saves);
        QTest::newRow("Open") << "open"
                              << "&File"
                              << "&Open \t<F3>" << QStringList{"F3", "Ctrl+O"} << "Open an existing picture"
                              << int(OpensTheFileDialog);
        QTest::newRow("Reflash") << "reflash"
                                 << "&File"
                                 << "&Reflash \t<F5>" << QStringList{"F5"} << "Reflash ImageFile"
                                 << int(Repaints);
        QTest::newRow("New") << "new"
                             << ""
                             << "" << QStringList{"Ctrl+N"} << "" << int(Repaints);
        QTest::newRow("Test") << "testItem"
                              << "&Test"
                              << "" << QStringList{} << "Test MAP ( Use ZOR.EXE )" << int(StartsTheGame);
        QTest::newRow("WWW") << "www"
                             << "Help"
                             << "WWW" << QStringList{} << "Visit QAN team's Homepage"
                             << int(OpensTheHomePage);
        QTest::newRow("About") << "about"
                               << "Help"
                               << "About" << QStringList{} << "About" << int(ShowsAbout);
        QTest::newRow("Print") << "print"
                               << ""
                               << "" << QStringList{"Ctrl+P"} << "" << int(Prints);
    }
    void commands() {
        QFETCH(QString, action);
        QFETCH(QString, menu);
        QFETCH(QString, item);
        QFETCH(QStringList, keys);
        QFETCH(QString, prompt);
        QFETCH(int, effect);
        TempDir programDir;
        const std::string launched = scratch->dir().Path("launched.txt");
        WriteText(programDir.Path("zor"), "#!/bin/sh\necho \"$1\" >> " + launched + "\n");
        fs::permissions(programDir.Path("zor"), fs::perms::owner_all);
        scratch->dir().Write("sample.jpg", Quadrants::File("sample.jpg"));
        view->LoadStartup();
        Open(programDir.Path(""));
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        QAction* command = frame->findChild<QAction*>(action);
        QVERIFY(command);
        if (!prompt.isEmpty()) {
            command->showStatusText(frame.get());
            QCOMPARE(frame->statusBar()->currentMessage(), prompt);
        }
        std::vector<std::function<void()>> ways;
        if (!menu.isEmpty()) {
            QAction* entry = MenuItem(frame->menuBar(), menu, item);
            QVERIFY2(entry, qPrintable(menu + " " + item));
            ways.push_back([entry] { entry->trigger(); });
        }
        for (const QString& key : keys)
            ways.push_back([this, key] {
                frame->activateWindow(); // a dialog closed before may have taken the activation with it
                QVERIFY(QTest::qWaitForWindowActive(frame.get()));
                QTest::keySequence(frame.get(), QKeySequence(key));
            });

        PaintCounter counter;
        frame->viewWidget()->installEventFilter(&counter);
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        qputenv("ZOR_EDIT_HOMEPAGE", "https://zor.example/editor");
        const std::string pdf = scratch->dir().Path("view.pdf");
        std::string expectedLaunches; // one line for each start of the game
        for (const auto& way : ways) {
            log.lines.clear();
            fs::remove("sample.map");
            fs::remove(pdf);
            view->m_rects[3] = {30, 30, 60, 60};
            QStringList filters;
            QString shown;
            if (effect == OpensTheFileDialog)
                OnNextModal([&](QWidget* modal) {
                    auto* dialog = qobject_cast<QFileDialog*>(modal);
                    if (dialog) filters = dialog->nameFilters(), shown = dialog->windowTitle();
                    modal->close();
                });
            if (effect == ShowsAbout)
                OnNextModal([&](QWidget* modal) {
                    shown = modal->windowTitle();
                    const auto buttons = modal->findChild<QDialogButtonBox*>()->buttons();
                    buttons.front()->click();
                });
            if (effect == Prints)
                OnNextModal([&](QWidget* modal) {
                    auto* dialog = qobject_cast<QPrintDialog*>(modal);
                    if (!dialog) return modal->close(), void();
                    dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
                    dialog->printer()->setOutputFileName(QString::fromStdString(pdf));
                    dialog->done(QDialog::Accepted); // as OK, with the printer as set here
                });
            const int paints = counter.paints;
            way();
            switch (effect) {
            case Saves:
                QCOMPARE(ReadAll("sample.map").size(), size_t(80));
                QCOMPARE(log.lines, std::vector<std::string>{"mfcapp|sample.map로 저장 되었습니다."});
                break;
            case OpensTheFileDialog:
                QCOMPARE(shown, QString("File to load"));
                QCOMPARE(filters, (QStringList{"JPG File (*.jpg *.JPG)", "GIF File (*.gif *.GIF)",
                                               "BMP File (*.bmp *.BMP)",
                                               "All pictures (*.jpg *.JPG *.gif *.GIF *.bmp *.BMP)"}));
                break;
            case Repaints:
                QTRY_VERIFY(counter.paints > paints);
                QCOMPARE(view->m_rects[3], (ViewRect{30, 30, 60, 60}));
                QCOMPARE(view->m_picture.m_width, uint32_t(Quadrants::kWidth));
                break;
            case StartsTheGame:
                expectedLaunches += "sample.map\n";
                QTRY_COMPARE(ReadText(launched), expectedLaunches);
                QCOMPARE(log.lines, std::vector<std::string>{"mfcapp|sample.map로 저장 되었습니다."});
                break;
            case OpensTheHomePage:
                QCOMPARE(catcher.urls.size(), 1);
                QCOMPARE(catcher.urls.front(), QUrl("https://zor.example/editor"));
                break;
            case ShowsAbout:
                QCOMPARE(shown, QString("About mfcapp"));
                break;
            case Prints:
                QVERIFY(fs::exists(pdf) && fs::file_size(pdf) > 0);
                break;
            }
            QVERIFY(log.lines.size() <= 1);
        }
        QDesktopServices::unsetUrlHandler("https");
        qunsetenv("ZOR_EDIT_HOMEPAGE");
    }

    // Only the picture's reading shows the wait cursor: not the map's loading nor its message. The JPEG
    // reader's own message comes during the read; a message box shows the ordinary pointer.
    void theWaitCursorIsShownWhileThePictureIsRead() {
        CursorNotingLog noting;
        SetCodecMessageBox(&noting);
        view = std::make_unique<CMfcappView>(noting);
        scratch->dir().Write("bad.jpg", std::vector<uint8_t>(64, 'x'));
        Open();
        OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog) return modal->close(), void();
            // The name typed and Open pressed, without the dialog's look at the folder's listing, which a
            // thread of its own may not have read yet (selecting the file would wait for it).
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText("bad.jpg");
            QMetaObject::invokeMethod(dialog, "done", Q_ARG(int, QDialog::Accepted));
        });
        frame->OpenPicture();
        SetCodecMessageBox(&log);
        QCOMPARE(noting.lines.size(), size_t(2));
        QCOMPARE(noting.lines[0], std::string("mfcapp|mapfile open error..."));
        QVERIFY2(noting.lines[1].starts_with("JPEG") && noting.lines[1].ends_with(" [wait]"),
                 noting.lines[1].c_str());
        QVERIFY(!QApplication::overrideCursor());

        WaitCursor wait;
        wait.Begin();
        std::optional<Qt::CursorShape> during;
        OnNextModal([&](QWidget* modal) {
            during = QApplication::overrideCursor()->shape();
            modal->close();
        });
        QtMessageBox().Show("mfcapp", "a message");
        QCOMPARE(during, std::optional(Qt::ArrowCursor));
        QVERIFY(WaitCursorShown());
        wait.End();
    }

    void mouseDrawsAndRightClickEmpties() {
        Open();
        ViewWidget* w = frame->viewWidget();
        DragIn(w, QPoint(60, 50), QPoint(110, 90));
        QCOMPARE(view->m_rects[1], (ViewRect{60, 50, 110, 90}));
        // Moves outside the view are not seen; a drag released outside ends there.
        QTest::mousePress(w, Qt::LeftButton, {}, QPoint(30, 30));
        QTest::mouseMove(w, QPoint(70, 40));
        QTest::mouseMove(w, QPoint(w->width() + 50, 45));
        QTest::mouseMove(w, QPoint(75, w->height() + 50));
        QCOMPARE(view->m_rects[2], (ViewRect{30, 30, 70, 40}));
        QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(w->width() + 50, w->height() + 50));
        QCOMPARE(view->m_dragging, 0);
        QTest::mouseMove(w, QPoint(200, 200));
        QCOMPARE(view->m_rects[2], (ViewRect{30, 30, 70, 40}));
        QTest::mouseClick(w, Qt::RightButton, {}, QPoint(110, 90)); // the corner counts
        QCOMPARE(view->m_rects[1], ViewRect{});
    }

    // Each reader's picture, drawn at (20, 20) at its natural size the right way round in its own colours;
    // the outlines; the map path.
    void paintShowsPictureOutlinesAndPath_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("jpg") << "pic.jpg";
        QTest::newRow("JPG") << "pic.JPG";
        QTest::newRow("GIF") << "pic.GIF";
        QTest::newRow("gif") << "pic.gif";
        QTest::newRow("BMP") << "pic.BMP";
        QTest::newRow("bmp") << "pic.bmp";
    }
    void paintShowsPictureOutlinesAndPath() {
        QFETCH(QString, name);
        scratch->dir().Write(name.toStdString(), Quadrants::File(name.toStdString()));
        QVERIFY(view->OpenPicture(name.toStdString()));
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
        for (const QPoint& p : Quadrants::Probes())
            QVERIFY2(Near(image.pixel(p + QPoint(20, 20)), Quadrants::At(p.x(), p.y())),
                     qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
        QCOMPARE(image.pixel(20 + Quadrants::kWidth, 30), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(30, 20 + Quadrants::kHeight), qRgb(0, 0, 0));
        // The outline: inside the rectangle, right and bottom exclusive.
        for (QPoint p : {QPoint(100, 80), QPoint(109, 80), QPoint(100, 89), QPoint(109, 89), QPoint(105, 80),
                         QPoint(109, 85)})
            QCOMPARE(image.pixel(p), frameColour);
        for (QPoint p : {QPoint(110, 85), QPoint(105, 90), QPoint(105, 85), QPoint(99, 80)})
            QCOMPARE(image.pixel(p), qRgb(0, 0, 0));
        // Where the backwards rectangle's outline would lie if it were turned round: its four edges.
        for (QPoint p : {QPoint(200, 50), QPoint(200, 199), QPoint(100, 120), QPoint(299, 120)})
            QCOMPARE(image.pixel(p), qRgb(0, 0, 0));
        // The map path in white at (0, 0).
        int white = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 80; ++x) white += qGray(image.pixel(x, y)) > 160;
        QVERIFY(white > 20);
    }

    void windowShowsThePictureAtTwentyTwenty() {
        scratch->dir().Write("sample.jpg", Quadrants::File("sample.jpg"));
        view->LoadStartup();
        Open();
        const QImage shot = frame->viewWidget()->grab().toImage();
        for (const QPoint& p : Quadrants::Probes())
            QVERIFY(Near(shot.pixel(p + QPoint(20, 20)), Quadrants::At(p.x(), p.y())));
        QVERIFY(!Near(shot.pixel(19, 20), Quadrants::At(0, 0)));
        QVERIFY(!Near(shot.pixel(20, 19), Quadrants::At(0, 0)));
        QVERIFY(!Near(shot.pixel(20 + Quadrants::kWidth, 20 + Quadrants::kHeight - 1),
                      Quadrants::At(Quadrants::kWidth - 1, Quadrants::kHeight - 1)));
    }

    // The editor saves a map for the sample picture; Test starts the real game on it, the game plays the
    // pair in test mode and a script clicks the middle of every rectangle just saved.
    void testPlaysTheSavedMapInTheGame() {
        const fs::path data = ZOR_TEST_DATA_DIR;
        // The data is a test fixture (tests/CMakeLists.txt): missing, it is a failure, not a skip.
        QVERIFY2(fs::exists(data / "zor.res"),
                 qPrintable("no built data directory at " + QString(ZOR_TEST_DATA_DIR)));
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

    // Last, since it ends the application's event loops: Exit leaves with 0 at once, asking nothing and
    // saving nothing, though a rectangle was changed.
    void exitEndsWithoutAPromptOrASave() {
        Open();
        DragIn(frame->viewWidget(), QPoint(40, 40), QPoint(80, 80));
        QAction* exit = MenuItem(frame->menuBar(), "&File", "E&xit \t<ESC>");
        QVERIFY(exit);
        QCOMPARE(exit->statusTip(), QString("Quit the application"));
        QTimer::singleShot(0, exit, &QAction::trigger);
        QEventLoop loop;
        QCOMPARE(loop.exec(), 0);
        QVERIFY(log.lines.empty());
        QVERIFY(!fs::exists("sample.map"));
    }
};

QTEST_MAIN(EditorWindowTest)
#include "EditorWindowTest.moc"
