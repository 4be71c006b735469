#include "editor/Translation.h"

#include <QCoreApplication>

namespace {
constexpr const char* kEnglishFile = ":/i18n/zor_edit_en.qm";
}

Translation::Translation(bool english) {
    if (!english) return;
    installed_ = translator_.load(kEnglishFile) && QCoreApplication::installTranslator(&translator_);
}

Translation::~Translation() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}
