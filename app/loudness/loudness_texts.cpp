#include "loudness_texts.h"

#include "ProgramTitle.h"
#include "loudness_matching.h"
#include "track_name.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// One decimal; minus infinity (silence, or loudness below the gate) as "-inf".
QString decibels(double value)
{
    return std::isfinite(value) ? QString::number(value, 'f', 1) : QStringLiteral("-inf");
}

}  // namespace

QString LoudnessTexts::StatusLabel()
{
    return QStringLiteral("Loudness = ");
}

QString LoudnessTexts::WidestStatusPanel()
{
    return StatusPanel({LoudnessMeter::Status::Measured, {-88.8, -88.8}, {}}, 100);
}

QString LoudnessTexts::StatusPanel(const LoudnessMeter::Status& status, int32_t levelPercent)
{
    switch (status.state) {
    case LoudnessMeter::Status::Unmeasured:
        return StatusLabel() + QStringLiteral("...");
    case LoudnessMeter::Status::Failed:
        return StatusLabel() + QCoreApplication::translate("LoudnessTexts", "測定できません(%1)").arg(status.error);
    case LoudnessMeter::Status::Measured:
        break;
    }
    // The label gives way to the units, so that four panels fit the window.
    const LoudnessFigures& f = status.figures;
    return decibels(LoudnessMatching::LoudnessAt(f.integrated, levelPercent)) + QStringLiteral(" LUFS  ")
        + decibels(LoudnessMatching::LoudnessAt(f.truePeak, levelPercent)) + QStringLiteral(" dBTP");
}

EditMessage LoudnessTexts::ReadErrorMessage(const QString& title, const QString& reason)
{
    return {QCoreApplication::translate("LoudnessTexts", "選択したﾌｧｲﾙ\"%1\"は、\r\nﾌｧｲﾙが読み込めません(%2)")
                .arg(title, reason),
            QCoreApplication::translate("LoudnessTexts", "ﾌｧｲﾙ読み込みｴﾗｰ")};
}

EditMessage LoudnessTexts::NearSilentMessage(const QList<NamedTrack>& tracks)
{
    QString text = QCoreApplication::translate(
        "LoudnessTexts", "次のﾄﾗｯｸは他のﾄﾗｯｸより極端に小さいため、ﾗｳﾄﾞﾈｽを揃えずに\r\nLevelを最大許容音量まで上げました");
    for (const NamedTrack& track : tracks)
        text += QStringLiteral("\r\n") + TrackName(track.number, track.title);
    return {text, ProgramTitle()};
}
