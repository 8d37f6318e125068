#pragma once

#include <QIcon>

namespace tessellix {

// The pictures compiled into the program (icon, cursors, the help's pictures) under ":/". They sit
// in a static library, so nothing would pull them into the program unless this is called; it is
// called by every function here and by the cursors, and may be called any number of times.
void LoadProgramResources();

// The program icon, in its 32 x 32 and 16 x 16 pictures.
QIcon ProgramIcon();

}  // namespace tessellix
