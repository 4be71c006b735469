// zor_edit: the map editor. Opens a picture, lets the author draw its five difference rectangles, saves
// them as the picture's map and starts the game on the pair.
#include <QApplication>
#include <cstdlib>
#include <ctime>

#include "codecs/CodecMessages.h"
#include "editor/CMainFrame.h"
#include "editor/CMfcappView.h"
#include "editor/QtMessageBox.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    QtMessageBox messages;
    SetCodecMessageBox(&messages);
    CMfcappView view(messages);
    view.LoadStartup(); // before the window exists, so its messages come first
    CMainFrame frame(view, QCoreApplication::applicationDirPath());
    frame.show();
    const int result = app.exec();
    SetCodecMessageBox(nullptr);
    return result;
}
