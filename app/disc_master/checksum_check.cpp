#include "checksum_check.h"

#include "checksum_list.h"
#include "ddp_records.h"
#include "read_only_file.h"
#include "system_error_text.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <fcntl.h>

#include <vector>

namespace {

using Result = CheckRow::Result;

// Large enough that the system calls cost little beside the hashing, small
// enough to stay in the processor's cache.
constexpr qsizetype ReadBufferBytes = 1 << 18;
constexpr qint64 MaxListBytes = 1024 * 1024;

bool endsWithAny(const QString& name, std::initializer_list<const char*> endings)
{
    for (const char* ending : endings) {
        if (name.endsWith(QLatin1String(ending), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

class Planner {
    Q_DECLARE_TR_FUNCTIONS(ChecksumCheck)

public:
    explicit Planner(const DdpImage& image)
        : m_image(image)
    {
    }

    ChecksumPlan plan()
    {
        for (const QString& name : m_image.fileNames) {
            if (endsWithAny(name, {".md5"}))
                readList(name);
            else if (endsWithAny(name, {".crc", ".sfv", ".sha1", ".sha256", ".sha512"}))
                add(Result::NotChecked, name, tr("この形式のﾁｪｯｸｻﾑは確かめません"));
        }
        QStringList imageFiles{QLatin1String(ddp::IdFile), QLatin1String(ddp::MapFile)};
        for (const StreamFile& stream : m_image.streams) {
            if (stream.state == StreamFile::State::Present)
                imageFiles.append(QFile::decodeName(stream.packet.name));
        }
        for (const QString& name : imageFiles) {
            if (!m_listed.contains(name))
                add(Result::NotChecked, name, tr("どのMD5ﾁｪｯｸｻﾑにも載っていません"));
        }
        return m_plan;
    }

private:
    void add(Result result, const QString& subject, const QString& finding)
    {
        m_plan.rows.append({result, subject, finding});
    }

    void readList(const QString& listName)
    {
        QFile file(m_image.folder + u'/' + listName);
        if (!file.open(QIODevice::ReadOnly))
            return add(Result::Failed, listName, tr("読めません"));
        const ChecksumList list = ReadChecksumList(file.read(MaxListBytes));
        if (list.malformedLines > 0)
            add(Result::NotChecked, listName, tr("md5sumの形ではない行: %1").arg(list.malformedLines));
        for (const ChecksumLine& line : list.lines)
            listed(listName, line);
    }

    void listed(const QString& listName, const ChecksumLine& line)
    {
        QByteArray name = line.name;
        if (name.startsWith("./"))
            name = name.mid(2);
        const QString shown = QFile::decodeName(name);
        m_listed.insert(shown);
        const FolderFile file = FileInFolder(m_image.folder, name);
        switch (file.state) {
        case StreamFile::State::Present: break;
        case StreamFile::State::OutsideFolder:
            return add(Result::Failed, shown, tr("ﾌｫﾙﾀﾞの外のﾌｧｲﾙを指しています (%1)").arg(listName));
        default: return add(Result::Failed, shown, tr("ﾌｧｲﾙがありません (%1)").arg(listName));
        }
        m_plan.jobs.append({shown, file.path, line.md5, listName});
        m_plan.totalBytes += QFileInfo(file.path).size();
    }

    const DdpImage& m_image;
    ChecksumPlan m_plan;
    QSet<QString> m_listed;
};

// Hashes the listed files in turn and tells the caller how far it got.
class Hasher {
    Q_DECLARE_TR_FUNCTIONS(ChecksumCheck)

public:
    Hasher(const ChecksumPlan& plan, const ChecksumProgress& progress)
        : m_plan(plan)
        , m_progress(progress)
        , m_buffer(ReadBufferBytes)
    {
    }

    QList<CheckRow> rows()
    {
        QList<CheckRow> rows;
        for (const ChecksumJob& job : m_plan.jobs) {
            if (m_cancelled)
                rows.append({Result::NotChecked, job.name, tr("中止しました")});
            else
                rows.append(check(job));
        }
        return rows + m_plan.rows;
    }

private:
    CheckRow check(const ChecksumJob& job)
    {
        const ReadOnlyFile file(QFile::encodeName(job.path).constData());
        if (file.openError() != 0)
            return {Result::Failed, job.name, tr("読めません: ") + SystemErrorText(file.openError())};
        ::posix_fadvise(file.descriptor(), 0, 0, POSIX_FADV_SEQUENTIAL);
        QCryptographicHash md5(QCryptographicHash::Md5);
        for (qint64 at = 0;; ) {
            const int64_t got = file.read(at, m_buffer.data(), qint64(m_buffer.size()));
            if (got < 0)
                return {Result::Failed, job.name, tr("読めません: ") + SystemErrorText(errno)};
            if (got == 0)
                break;
            md5.addData(QByteArrayView(m_buffer.data(), got));
            at += got;
            m_done += got;
            if (m_progress && !m_progress(int(m_done * 100 / std::max<qint64>(m_plan.totalBytes, 1)))) {
                m_cancelled = true;
                return {Result::NotChecked, job.name, tr("中止しました")};
            }
        }
        if (md5.result().toHex() != job.md5)
            return {Result::Failed, job.name, tr("MD5が一致しません (%1)").arg(job.listName)};
        return {Result::Passed, job.name, tr("MD5が一致します (%1)").arg(job.listName)};
    }

    const ChecksumPlan& m_plan;
    const ChecksumProgress& m_progress;
    std::vector<char> m_buffer;
    qint64 m_done = 0;
    bool m_cancelled = false;
};

}  // namespace

ChecksumPlan PlanChecksums(const DdpImage& image)
{
    return Planner(image).plan();
}

QList<CheckRow> CheckChecksums(const ChecksumPlan& plan, const ChecksumProgress& progress)
{
    return Hasher(plan, progress).rows();
}
