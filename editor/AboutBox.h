#pragma once
#include <QDialog>

// The About box: the program's title, the maker's line and OK.
class AboutBox : public QDialog {
  public:
    explicit AboutBox(QWidget* parent = nullptr);
};
