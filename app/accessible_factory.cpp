#include "app/accessible_factory.h"

#include <QAccessible>

#include "editor/editor_canvas_accessible.h"
#include "editor/editor_window.h"
#include "play/canvas_accessible.h"
#include "play/play_canvas.h"

namespace tessellix {

QAccessibleInterface* GameAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(PlayCanvas::staticMetaObject.className())) {
        if (auto* canvas = qobject_cast<PlayCanvas*>(object)) {
            return new CanvasAccessible(canvas);
        }
    }
    if (className == QLatin1String(EditorWindow::staticMetaObject.className())) {
        if (auto* editor = qobject_cast<EditorWindow*>(object)) {
            return new EditorCanvasAccessible(editor);
        }
    }
    return nullptr;
}

void InstallGameAccessibleFactory() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(GameAccessibleFactory);
        installed = true;
    }
}

}  // namespace tessellix
