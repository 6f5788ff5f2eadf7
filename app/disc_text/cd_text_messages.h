// The texts that tell about the disc's CD-TEXT: the line under the CD-TEXT
// dialog's fields, the dialog's message for a code that breaks its rules and
// the message of a CUE command that cannot write it.
#pragma once

#include "cd_text_packs.h"
#include "code_checks.h"

#include <QString>

namespace cdtextmessages {

// "文字ｺｰﾄﾞ: ..., 容量: 12/253ﾊﾟｯｸ" and, when the texts cannot be written,
// what stops them.
QString capacityLine(const CdTextPacks& packs);

// Why the packs cannot be written; names the first fault's track (or the
// disc), its text and its character, or the size against the capacity.
// !packs.writable() holds.
QString refusal(const CdTextPacks& packs);

// Why the dialog keeps its texts: the first code that breaks its rules (the
// disc's catalog number before the tracks' ISRCs), named with its track or
// the disc, its field and the rule. checks.anyInvalid() holds.
QString invalidCode(const CdTextSet& texts, const CodeChecks& checks);

}  // namespace cdtextmessages
