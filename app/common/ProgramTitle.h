// The program's title: the main window's caption, the caption of messages
// that name no other, and the start of the texts that name the program.
#pragma once

#include <QString>

inline QString ProgramTitle()
{
    return QStringLiteral("CD-R簡単編集\"Sonvelle\"");
}
