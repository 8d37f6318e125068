#include "platform/wait_cursor.h"

#include <QApplication>
#include <QCursor>

namespace tessellix {

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    QApplication::restoreOverrideCursor();
}

}  // namespace tessellix
