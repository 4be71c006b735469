// zor_edit: the map editor. Opens a picture, lets the author draw its five difference rectangles, saves
// them as the picture's map and starts the game on the pair.
//   zor_edit [--lang ko|en]   (default: the language of LANGUAGE, LC_ALL, LC_MESSAGES or LANG, else Korean)
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "codecs/CodecMessages.h"
#include "editor/CMainFrame.h"
#include "editor/CMfcappView.h"
#include "editor/QtMessageBox.h"
#include "editor/Translation.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::string language, error;
    if (!LanguageOption(QCoreApplication::arguments(), language, error)) {
        std::fprintf(stderr, "zor_edit: %s\n", error.c_str());
        return 2;
    }
    const Translation translation(ChooseLanguage(language, ProcessEnvironment));
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
