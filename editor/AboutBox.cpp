#include "editor/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About mfcapp");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("ZOR map editor, Version 1.0", this));
    layout->addWidget(new QLabel("QAN TEAM", this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
