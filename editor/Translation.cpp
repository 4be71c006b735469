#include "editor/Translation.h"

#include <QCoreApplication>

namespace {
constexpr const char* kEnglishFile = ":/i18n/zor_edit_en.qm";
constexpr const char* kLanguageFlag = "--lang";
} // namespace

bool LanguageOption(const QStringList& arguments, std::string& value, std::string& error) {
    value.clear();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] != kLanguageFlag) continue;
        if (i + 1 == arguments.size()) {
            error = std::string(kLanguageFlag) + " needs a value";
            return false;
        }
        value = arguments[++i].toStdString();
        Language language;
        if (!ParseLanguageCode(value, language)) {
            error = std::string(kLanguageFlag) + " takes ko or en, not '" + value + "'";
            return false;
        }
    }
    return true;
}

Translation::Translation(Language language) {
    if (language != Language::English) return;
    installed_ = translator_.load(kEnglishFile) && QCoreApplication::installTranslator(&translator_);
}

Translation::~Translation() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}
