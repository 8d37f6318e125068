#include "platform/cursors.h"

#include <QPixmap>

#include "platform/program_resources.h"

namespace tessellix {

namespace {

QCursor CursorFrom(const QString& path, int hotX, int hotY) {
    LoadProgramResources();
    return QCursor(QPixmap(path), hotX, hotY);
}

}  // namespace

QCursor PencilCursor() {
    return CursorFrom(QStringLiteral(":/cursors/pencil.png"), 4, 4);
}

QCursor HandCursor() {
    return CursorFrom(QStringLiteral(":/cursors/hand.png"), 7, 1);
}

}  // namespace tessellix
