// The program's title: the main window's caption, the caption of messages
// that name no other, and the start of the texts that name the program.
#pragma once

#include <QCoreApplication>
#include <QString>

inline QString ProgramTitle()
{
    return QCoreApplication::translate("ProgramTitle", "CD-R簡単編集\"Sonvelle\"");
}
