#include "OpenMessages.h"

#include "welvox.h"

#include <QCoreApplication>

namespace openmessages {

QString aboutSelectedFile(const QString& title, const QString& reason)
{
    return QCoreApplication::translate("OpenMessages", "選択したﾌｧｲﾙ\"") + title + QCoreApplication::translate("OpenMessages", "\"は、\r\n") + reason;
}

QString notAudio(const QString& title)
{
    return aboutSelectedFile(title, QCoreApplication::translate("OpenMessages", "音声ﾌｧｲﾙとして読み込めません"));
}

QString caption()
{
    return QCoreApplication::translate("OpenMessages", "ﾌｧｲﾙ読み込みｴﾗｰ");
}

QString chooserCaption()
{
    return QCoreApplication::translate("OpenMessages", "ﾘｽﾄに追加するﾌｧｲﾙを開く");
}

QString alreadyOpenCaption()
{
    return QCoreApplication::translate("OpenMessages", "ﾌｧｲﾙ読み込みｴﾗｰ", "a file already in the list");
}

QString alreadyOpen(const QString& title)
{
    return aboutSelectedFile(title, QCoreApplication::translate("OpenMessages", "既に開かれています"));
}

std::optional<QString> forEngineResult(int32_t result, const QString& title)
{
    switch (result) {
    case ENGINE_OPEN_FAILED:
        return QCoreApplication::translate("OpenMessages", "ﾌｧｲﾙが読み込めません");
    case ENGINE_BAD_FORMAT:
        return aboutSelectedFile(title, QCoreApplication::translate("OpenMessages", "44.1kHz,16bitsﾌｫｰﾏｯﾄではありません"));
    case ENGINE_SILENCE_ONLY:
        return aboutSelectedFile(title, QCoreApplication::translate("OpenMessages", "無音のみで構成されているため、プレイリストに追加しません"));
    default:
        return std::nullopt;
    }
}

QString reading(const QString& title)
{
    return u'"' + title + QCoreApplication::translate("OpenMessages", "\"を読み込んでいます");
}

}  // namespace openmessages
