#include "editor/CMainFrame.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "editor/AboutBox.h"
#include "editor/CMfcappView.h"
#include "editor/ToolIcons.h"
#include "editor/ViewPaint.h"
#include "editor/ViewWidget.h"

namespace {
constexpr int kIconSide = 23;
constexpr const char* kLockPaneWidthText = "SCRL";
constexpr const char* kHomePageVariable = "ZOR_EDIT_HOMEPAGE";
} // namespace

CMainFrame::CMainFrame(CMfcappView& view, QString programDir, QWidget* parent)
    : QMainWindow(parent), view_(view), programDir_(std::move(programDir)),
      viewWidget_(new ViewWidget(view, this)) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(CMfcappView::kCaption);
    setCentralWidget(viewWidget_);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    setFixedSize(kWidth, kHeight);
    move(0, 0);
    view_.SetBusyIndicator(&waitCursor_);
}

CMainFrame::~CMainFrame() {
    view_.SetBusyIndicator(nullptr);
}

QStringList CMainFrame::PictureFilters() {
    return {"JPG File (*.jpg *.JPG)", "GIF File (*.gif *.GIF)", "BMP File (*.bmp *.BMP)",
            "All pictures (*.jpg *.JPG *.gif *.GIF *.bmp *.BMP)"};
}

QAction* CMainFrame::AddCommand(const char* name, const QString& text, const char* prompt, const char* tip,
                                void (CMainFrame::*handler)()) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setStatusTip(prompt);
    action->setToolTip(tip);
    connect(action, &QAction::triggered, this, handler);
    addAction(action); // its keys work wherever the focus is
    return action;
}

void CMainFrame::BuildMenus() {
    QAction* save = AddCommand("save", "&Save \t<F2>", "File Save", "Save", &CMainFrame::SaveMap);
    // Ctrl+S saves the map too: an empty document written to a file of the user's choice could wipe a map.
    save->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_S)});
    QAction* open =
        AddCommand("open", "&Open \t<F3>", "Open an existing picture", "Open", &CMainFrame::OpenPicture);
    open->setShortcuts({QKeySequence(Qt::Key_F3), QKeySequence(Qt::CTRL | Qt::Key_O)});
    QAction* reflash =
        AddCommand("reflash", "&Reflash \t<F5>", "Reflash ImageFile", "Reflash", &CMainFrame::Reflash);
    reflash->setShortcut(QKeySequence(Qt::Key_F5));
    QAction* exit = AddCommand("exit", "E&xit \t<ESC>", "Quit the application", "Exit", &CMainFrame::Exit);
    QAction* test = AddCommand("test", "&Test", "Test MAP ( Use ZOR.EXE )", "Test MAP", &CMainFrame::TestMap);
    QAction* www = AddCommand("www", "WWW", "Visit QAN team's Homepage", "Visit QAN team's Homepage",
                              &CMainFrame::VisitHomePage);
    QAction* about = AddCommand("about", "About", "About", "About", &CMainFrame::About);
    // Keys without a menu item: a new document only repaints; printing prints the view.
    AddCommand("new", "New", "", "", &CMainFrame::Reflash)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AddCommand("print", "Print", "", "", &CMainFrame::Print)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));

    QMenu* file = menuBar()->addMenu("&File");
    file->addAction(save);
    file->addAction(open);
    file->addAction(reflash);
    file->addSeparator();
    file->addAction(exit);
    // A menu bar shows an action's icon instead of its text, so the bar's "&Test" is an action of its own.
    QAction* testItem = menuBar()->addAction(test->text(), this, &CMainFrame::TestMap);
    testItem->setObjectName("testItem");
    testItem->setStatusTip(test->statusTip());
    QAction* check = AddCommand("checkPair", "&Check pair \t<F7>", "Check the five rectangles of the pair",
                                "Check pair", &CMainFrame::CheckPair);
    check->setShortcut(QKeySequence(Qt::Key_F7));
    QAction* suggest = AddCommand("suggestRects", "S&uggest rectangles \t<F8>",
                                  "Fill the five rectangles where the pictures differ", "Suggest rectangles",
                                  &CMainFrame::SuggestRects);
    suggest->setShortcut(QKeySequence(Qt::Key_F8));
    differences_ = AddCommand("showDifferences", "Show &differences \t<F9>", "Tint the pixels that differ",
                              "Show differences", &CMainFrame::ToggleDifferences);
    differences_->setCheckable(true);
    differences_->setShortcut(QKeySequence(Qt::Key_F9));
    QMenu* tools = menuBar()->addMenu("T&ools");
    tools->addAction(check);
    tools->addAction(suggest);
    tools->addAction(differences_);
    QMenu* help = menuBar()->addMenu("Help");
    help->addAction(www);
    help->addAction(about);
}

void CMainFrame::BuildToolBar() {
    QToolBar* bar = addToolBar("Toolbar");
    bar->setObjectName("toolbar");
    bar->setIconSize(QSize(kIconSide, kIconSide));
    const struct {
        const char* action;
        ToolIcon icon;
    } buttons[] = {{"open", ToolIcon::Open},       {"save", ToolIcon::Save},  {nullptr, {}},
                   {"reflash", ToolIcon::Reflash}, {"test", ToolIcon::Test},  {nullptr, {}},
                   {"www", ToolIcon::Www},         {"about", ToolIcon::About}};
    for (const auto& button : buttons) {
        if (!button.action) {
            bar->addSeparator();
            continue;
        }
        QAction* action = findChild<QAction*>(button.action);
        action->setIcon(DrawToolIcon(button.icon, kIconSide));
        bar->addAction(action);
    }
}

// Qt cannot tell the lock keys' state on every platform, so their panes stay blank.
void CMainFrame::BuildStatusBar() {
    statusBar()->showMessage("Ready");
    for (const char* pane : {"caps", "num", "scroll"}) {
        auto* label = new QLabel(this);
        label->setObjectName(pane);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(kLockPaneWidthText) + 8);
        statusBar()->addPermanentWidget(label);
    }
}

void CMainFrame::OpenPicture() {
    QFileDialog dialog(viewWidget_, "File to load", QDir::currentPath());
    dialog.setNameFilters(PictureFilters());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix("jpg");
    // The view shows the wait cursor while the picture is read, not while the map loads.
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        view_.OpenPicture(QFile::encodeName(dialog.selectedFiles().front()).toStdString());
    differences_->setChecked(view_.m_showDifferences); // another picture may not be a pair
    viewWidget_->update();
}

void CMainFrame::SaveMap() {
    view_.SaveMap();
}

void CMainFrame::TestMap() {
    view_.TestMap(programDir_.toStdString());
}

// Ends at once: nothing tracks unsaved changes, so nothing is asked.
void CMainFrame::Exit() {
    QApplication::exit(0);
}

void CMainFrame::Reflash() {
    viewWidget_->update();
}

void CMainFrame::Print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter painter(&printer);
    PaintView(painter, view_);
}

QString CMainFrame::homePage() const {
    const QString configured = qEnvironmentVariable(kHomePageVariable);
    if (!configured.isEmpty()) return configured;
    return QUrl::fromLocalFile(QDir(programDir_).filePath("README.md")).toString();
}

void CMainFrame::VisitHomePage() {
    QDesktopServices::openUrl(QUrl(homePage()));
}

void CMainFrame::CheckPair() {
    view_.CheckPair();
    viewWidget_->update();
}

void CMainFrame::SuggestRects() {
    view_.SuggestRects();
    viewWidget_->update();
}

void CMainFrame::ToggleDifferences() {
    {
        const BusyScope busy(&waitCursor_);
        view_.ShowDifferences(differences_->isChecked());
    }
    differences_->setChecked(view_.m_showDifferences);
    viewWidget_->update();
}

void CMainFrame::About() {
    AboutBox box(this);
    box.exec();
}
