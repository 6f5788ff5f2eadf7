#include "split_messages.h"

#include <QCoreApplication>

namespace splitmessages {

QString caption()
{
    return QCoreApplication::translate("SplitMessages", "ﾄﾗｯｸ分割");
}

QString windowCaption(const QString& fileName)
{
    return caption() + QStringLiteral(" - ") + fileName;
}

QString tooManyPieces(int pieces, int room)
{
    return QCoreApplication::translate("SplitMessages", "分割すると %1 ﾄﾗｯｸになりますが、ﾘｽﾄにはあと %2 ﾄﾗｯｸしか入りません。\nﾏｰｸを減らしてください。")
        .arg(pieces)
        .arg(room);
}

QString shortPieces(const QList<int>& numbers)
{
    QStringList shown;
    for (const int n : numbers)
        shown << QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
    return QCoreApplication::translate("SplitMessages", "次のﾄﾗｯｸは4秒より短いため、ﾃﾞｨｽｸに書き込めないことがあります。\n%1\nこのまま分割しますか？")
        .arg(shown.join(QStringLiteral(", ")));
}

QString folderCaption()
{
    return QCoreApplication::translate("SplitMessages", "分割したﾄﾗｯｸの保存先");
}

QString namesTaken(const QStringList& names)
{
    return QCoreApplication::translate("SplitMessages", "保存先には既に次のﾌｧｲﾙがあります。別のﾌｫﾙﾀﾞを選んでください。\n%1")
        .arg(names.join(u'\n'));
}

QString writeFailed(const QString& name, const QString& reason)
{
    return QCoreApplication::translate("SplitMessages", "ﾄﾗｯｸを書き出せませんでした。何も書き出していません。\n%1\n%2").arg(name, reason);
}

QString writingLine(int pieces)
{
    return QCoreApplication::translate("SplitMessages", "%1 ﾄﾗｯｸを書き出しています").arg(pieces);
}

QString readingLine(const QString& fileName)
{
    return QCoreApplication::translate("SplitMessages", "%1 の波形を読んでいます").arg(fileName);
}

QString unreadable(const QString& fileName, const QString& reason)
{
    return QCoreApplication::translate("SplitMessages", "%1 を読めません。\n%2").arg(fileName, reason);
}

QString notAudio(const QString& fileName)
{
    return QCoreApplication::translate("SplitMessages", "%1 は分割できるｵｰﾃﾞｨｵﾌｧｲﾙではありません。").arg(fileName);
}

QString sheetFault(const QString& sheetName, const QString& fault)
{
    return QCoreApplication::translate("SplitMessages", "CUEｼｰﾄ %1 を読めません。\n%2").arg(sheetName, fault);
}

QString missingFile(const QString& sheetName, int line, const QString& fileName)
{
    return QCoreApplication::translate("SplitMessages", "CUEｼｰﾄ %1 の %2 行目のﾌｧｲﾙ %3 が見つかりません。").arg(sheetName).arg(line).arg(fileName);
}

QString tooShort(const QString& fileName)
{
    return QCoreApplication::translate("SplitMessages", "%1 は短すぎて分割できません。").arg(fileName);
}

}  // namespace splitmessages
