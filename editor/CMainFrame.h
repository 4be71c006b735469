#pragma once
#include <QMainWindow>
#include <QString>

#include "editor/WaitCursor.h"

class CMfcappView;
class QAction;
class ViewWidget;

// The editor's main window: 800 x 600 at (0, 0), fixed size, caption "mfcapp"; the menu, the toolbar and
// the keys, each command handled on the view's data (the Tools menu checks and suggests rectangles); a status
// bar with prompts and the lock panes.
class CMainFrame : public QMainWindow {
  public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

    // programDir is where the editor's executable lies: Test looks for `zor` there first.
    CMainFrame(CMfcappView& view, QString programDir, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The file dialog's filters: JPEG first (the pictures Test can play), each in both cases, since some
    // desktops' dialogs match case-sensitively.
    static QStringList PictureFilters();

    ViewWidget* viewWidget() const { return viewWidget_; }
    // The web page WWW opens: $ZOR_EDIT_HOMEPAGE, else the README beside the program.
    QString homePage() const;

    void OpenPicture();
    void SaveMap();
    void TestMap();
    void Reflash();
    void Exit();
    void Print();
    void VisitHomePage();
    void About();
    void CheckPair();
    void SuggestRects();
    void ToggleDifferences();

  private:
    QAction* AddCommand(const char* name, const QString& text, const char* prompt, const char* tip,
                        void (CMainFrame::*handler)());
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();

    CMfcappView& view_;
    QString programDir_;
    WaitCursor waitCursor_;
    ViewWidget* viewWidget_;
    QAction* differences_ = nullptr;
};
