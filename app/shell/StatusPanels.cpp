#include "StatusPanels.h"

#include "Twips.h"
#include "loudness_texts.h"

#include <QLabel>

namespace {

constexpr int StatusBarTwips = 300;

}  // namespace

StatusPanels::StatusPanels(QWidget* parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setFixedHeight(twips::toPixels(StatusBarTwips));
    setSizeGripEnabled(false);
    // The grid's face at 7.5 points.
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSizeF(7.5);
    setFont(font);
    const std::array<QString, 4> widest = {QStringLiteral("FadeInLength =  0:00:00:00"),
                                           QStringLiteral("FadeOutLength =  0:00:00:00"),
                                           QStringLiteral("PeakLevel =  32767"), LoudnessTexts::WidestStatusPanel()};
    for (int i = 0; i < int(m_panels.size()); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        panel->setIndent(2);
        panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance(widest[i]) + 2 * (panel->frameWidth() + 2));
        addPermanentWidget(panel, 1);
        m_panels[i] = panel;
    }
}

void StatusPanels::SetTexts(const std::array<QString, 4>& texts)
{
    for (int i = 0; i < int(m_panels.size()); ++i)
        m_panels[i]->setText(texts[i]);
}
