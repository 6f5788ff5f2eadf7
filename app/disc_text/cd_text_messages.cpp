#include "cd_text_messages.h"

#include <QCoreApplication>

namespace cdtextmessages {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CdTextMessages", text);
}

QString charsetName(CdTextCharset charset)
{
    return charset == CdTextCharset::Latin1 ? tr("ISO-8859-1 (英語)") : tr("MS-JIS (日本語)");
}

// The character with its code point, so that an invisible one is named too.
QString characterName(const QString& character)
{
    const QString code = QString::number(character.toUcs4().value(0), 16).toUpper().rightJustified(4, u'0');
    return QStringLiteral("「%1」(U+%2)").arg(character, code);
}

QString sizeText(const CdTextPacks& packs)
{
    return tr("%1/%2ﾊﾟｯｸ").arg(packs.textPacks).arg(CdTextPacks::TextPackCapacity);
}

}  // namespace

QString capacityLine(const CdTextPacks& packs)
{
    QString line = tr("文字ｺｰﾄﾞ: %1  容量: %2").arg(charsetName(packs.charset), sizeText(packs));
    if (!packs.faults.isEmpty())
        line += tr("  書けない文字: %1").arg(characterName(packs.faults.first().character));
    else if (!packs.fits())
        line += tr("  容量を超えています");
    return line;
}

QString refusal(const CdTextPacks& packs)
{
    const QString newLine = QStringLiteral("\r\n");
    if (packs.faults.isEmpty())
        return tr("CD-TEXTがﾃﾞｨｽｸの容量を超えています(%1)。").arg(sizeText(packs)) + newLine +
               tr("CD-TEXTの編集で文字を減らしてください。");
    const CdTextFault& fault = packs.faults.first();
    const QString where = fault.entry == 0 ? tr("ﾃﾞｨｽｸ") : tr("No.%1").arg(fault.entry);
    const QString field = fault.performer ? tr("演奏者") : tr("ﾀｲﾄﾙ");
    return tr("%1の%2に、%3のCD-TEXTに書けない文字%4があります。")
               .arg(where, field, charsetName(packs.charset), characterName(fault.character)) +
           newLine + tr("CD-TEXTの編集で直してください。");
}

}  // namespace cdtextmessages
