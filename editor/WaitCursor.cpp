#include "editor/WaitCursor.h"

#include <QApplication>

void WaitCursor::Begin() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void WaitCursor::End() {
    QApplication::restoreOverrideCursor();
}
