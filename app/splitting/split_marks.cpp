#include "split_marks.h"

#include "cd_frame.h"

#include <algorithm>

namespace {

constexpr int64_t Frame = cdframe::Samples;

}  // namespace

SplitMarks::SplitMarks(int64_t recordingSamples)
    : m_samples(std::max<int64_t>(recordingSamples, 0))
{
    m_marks << SplitMark{};
}

int64_t SplitMarks::OnGrid(int64_t sample)
{
    return std::max<int64_t>(0, (sample + Frame / 2) / Frame * Frame);
}

// The last place a mark may take: a whole frame must follow it.
int64_t SplitMarks::lastPlace() const
{
    return (m_samples - Frame) / Frame * Frame;
}

int SplitMarks::add(int64_t sample, const TrackTexts& texts, bool proposed)
{
    const int64_t at = OnGrid(sample);
    if (at <= 0 || at > lastPlace())
        return -1;
    const auto it = std::lower_bound(m_marks.begin(), m_marks.end(), at,
                                     [](const SplitMark& m, int64_t s) { return m.sample < s; });
    if (it != m_marks.end() && it->sample == at)
        return -1;
    const int index = int(it - m_marks.begin());
    m_marks.insert(index, SplitMark{at, texts, proposed});
    return index;
}

int64_t SplitMarks::move(int index, int64_t sample)
{
    if (index <= 0 || index >= count())
        return index == 0 ? 0 : -1;
    const int64_t low = m_marks[index - 1].sample + Frame;
    const int64_t high = index + 1 < count() ? m_marks[index + 1].sample - Frame : lastPlace();
    m_marks[index].sample = std::clamp(OnGrid(sample), low, std::max(low, high));
    return m_marks[index].sample;
}

bool SplitMarks::remove(int index)
{
    if (index <= 0 || index >= count())
        return false;
    m_marks.removeAt(index);
    return true;
}

void SplitMarks::setTexts(int index, const TrackTexts& texts)
{
    if (index >= 0 && index < count())
        m_marks[index].texts = texts;
}

void SplitMarks::keepProposals()
{
    for (SplitMark& mark : m_marks)
        mark.proposed = false;
}

void SplitMarks::dropProposals()
{
    m_marks.removeIf([](const SplitMark& m) { return m.proposed; });
}

int SplitMarks::markNear(int64_t sample, int64_t tolerance) const
{
    int best = -1;
    for (int i = 0; i < count(); ++i) {
        const int64_t d = std::abs(m_marks[i].sample - sample);
        if (d <= tolerance && (best < 0 || d < std::abs(m_marks[best].sample - sample)))
            best = i;
    }
    return best;
}

int SplitMarks::pieceAt(int64_t sample) const
{
    const auto after = std::upper_bound(m_marks.begin(), m_marks.end(), sample,
                                        [](int64_t s, const SplitMark& m) { return s < m.sample; });
    return std::max(0, int(after - m_marks.begin()) - 1);
}

QList<SplitPiece> SplitMarks::pieces() const
{
    QList<SplitPiece> result;
    for (int i = 0; i < count(); ++i) {
        const int64_t end = i + 1 < count() ? m_marks[i + 1].sample : m_samples;
        result << SplitPiece{i + 1, m_marks[i].sample, end - m_marks[i].sample, m_marks[i].texts, m_marks[i].proposed};
    }
    return result;
}

QString PieceTitle(const SplitPiece& piece)
{
    if (!piece.texts.title.isEmpty())
        return piece.texts.title;
    return QStringLiteral("Track %1").arg(piece.number, 2, 10, QChar(u'0'));
}
