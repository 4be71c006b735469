#pragma once
#include <QTranslator>

// The editor's words in the chosen language while this object lives. Korean is the source text in the
// program; the English words come from Qt's translation file built into it (editor/translations), so
// translators work with Qt's own tools.
class Translation {
  public:
    explicit Translation(bool english);
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // False when English was asked for and its translation could not be loaded (Korean words stay).
    bool Installed() const { return installed_; }

  private:
    QTranslator translator_;
    bool installed_ = false;
};
