#include "checksum_list.h"

#include <algorithm>
#include <optional>

namespace {

constexpr qsizetype Md5Digits = 32;

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// An escaped name with its "\\" and "\n" undone; none when another
// backslash sequence appears.
std::optional<QByteArray> unescaped(QByteArrayView name)
{
    QByteArray plain;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] != '\\') {
            plain += name[i];
            continue;
        }
        if (++i == name.size() || (name[i] != '\\' && name[i] != 'n'))
            return std::nullopt;
        plain += name[i] == 'n' ? '\n' : '\\';
    }
    return plain;
}

std::optional<ChecksumLine> readLine(QByteArrayView line)
{
    const bool escaped = line.startsWith('\\');
    if (escaped)
        line = line.sliced(1);
    if (line.size() < Md5Digits + 3 || !std::all_of(line.begin(), line.begin() + Md5Digits, isHex) ||
        line[Md5Digits] != ' ' || (line[Md5Digits + 1] != ' ' && line[Md5Digits + 1] != '*'))
        return std::nullopt;
    const QByteArrayView name = line.sliced(Md5Digits + 2);
    const auto plain = escaped ? unescaped(name) : std::optional(name.toByteArray());
    if (!plain)
        return std::nullopt;
    return ChecksumLine{line.first(Md5Digits).toByteArray().toLower(), *plain};
}

}  // namespace

ChecksumList ReadChecksumList(QByteArrayView file)
{
    ChecksumList list;
    for (QByteArrayView line : QByteArray::fromRawData(file.data(), file.size()).split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (const auto read = readLine(line))
            list.lines.append(*read);
        else
            ++list.malformedLines;
    }
    return list;
}
