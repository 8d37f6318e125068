#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace tessellix {

// The interfaces that screen readers read for the game's own widgets, chosen by class; none for
// every other class, which Qt serves itself.
QAccessibleInterface* GameAccessibleFactory(const QString& className, QObject* object);
// Once the QApplication exists.
void InstallGameAccessibleFactory();

}  // namespace tessellix
