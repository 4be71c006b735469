#include "editor/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "editor/CMfcappView.h"

void QtMessageBox::Show(std::string_view caption, std::string_view text) {
    std::fprintf(stderr, "%.*s: %.*s\n", int(caption.size()), caption.data(), int(text.size()), text.data());
    const bool library = caption.starts_with("JPEG");
    const QString title = library ? QString::fromUtf8(caption.data(), qsizetype(caption.size()))
                                  : QString::fromUtf8(CMfcappView::kCaption);
    QMessageBox box(library ? QMessageBox::Critical : QMessageBox::NoIcon, title,
                    QString::fromUtf8(text.data(), qsizetype(text.size())), QMessageBox::Ok,
                    QApplication::activeWindow());
    // A box that comes up while the wait cursor is shown is answered with the ordinary pointer.
    const bool waiting = QApplication::overrideCursor() != nullptr;
    if (waiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (waiting) QApplication::restoreOverrideCursor();
}
