#pragma once
#include <QStringList>
#include <QTranslator>
#include <string>

#include "common/Language.h"

// The value of --lang among the editor's arguments (the program name first): empty when there is none.
// False with a reason when --lang lacks a value or has one other than ko or en.
bool LanguageOption(const QStringList& arguments, std::string& value, std::string& error);

// The editor's words in the given language while this object lives. Korean is the source text in the
// program; the English words come from Qt's translation file built into it (editor/translations), so
// translators work with Qt's own tools.
class Translation {
  public:
    explicit Translation(Language language);
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // True when a translation is in use: English, loaded and installed.
    bool Installed() const { return installed_; }

  private:
    QTranslator translator_;
    bool installed_ = false;
};
