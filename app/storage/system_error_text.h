// Why a file operation failed, told to the user in the program's language.
// Messages that carry a system reason append one of these texts.
#pragma once

#include <QString>

// The reason for errno value error: Japanese texts for the common causes (a
// missing file, no permission, an input/output error, a full disk), the
// system's own description for every other.
QString SystemErrorText(int error);

// A read that found the file shorter than it was when it was opened.
QString FileCutShortText();
