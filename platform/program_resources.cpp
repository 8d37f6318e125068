#include "platform/program_resources.h"

// Q_INIT_RESOURCE declares the registration function where it stands, so it must stand in the
// global namespace.
static void RegisterProgramResources() {
    Q_INIT_RESOURCE(tessellix);
}

namespace tessellix {

void LoadProgramResources() {
    static const bool registered = [] {
        RegisterProgramResources();
        return true;
    }();
    (void)registered;
}

QIcon ProgramIcon() {
    LoadProgramResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/tessellix-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/tessellix-16.png"), QSize(16, 16));
    return icon;
}

}  // namespace tessellix
