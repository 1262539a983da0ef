#pragma once

#include <QFont>
#include <QString>

// The program's title: the main window's caption and the caption of its message boxes.
QString ProgramTitle();

// Sets up the interface of the running application once, before any window is made: the
// program's title and the interface font. Window captions stay exactly as each window sets
// them: nothing is appended by the toolkit.
void SetUpInterface();

// The interface font: the desktop's family at the pixel size the fixed pixel layouts of the
// windows were drawn for.
QFont InterfaceFont();

// The width a window needs for its caption to be shown whole in its title bar. The window
// manager's font is not known to the program: the caption is measured in a bold font a little
// larger than the interface font, as common desktops draw captions, with room for the title
// bar's icon and buttons.
int CaptionWidthNeeded(const QString& caption);
