#include "cp932.h"

#include <iconv.h>

#include <cerrno>

namespace {

// Converts all of input with a fresh iconv descriptor; nothing on any
// invalid or unconvertible sequence.
std::optional<QByteArray> convert(const char* to, const char* from, QByteArrayView input)
{
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    QByteArray output(input.size() * 4 + 4, Qt::Uninitialized);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = size_t(input.size());
    char* out = output.data();
    size_t outLeft = size_t(output.size());
    const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    iconv_close(cd);
    // glibc counts characters it replaced as irreversible: those are
    // refused as well, so that nothing is silently substituted.
    if (result != 0 || inLeft != 0)
        return std::nullopt;
    output.truncate(output.size() - qsizetype(outLeft));
    return output;
}

}  // namespace

std::optional<QString> DecodeCp932(QByteArrayView bytes)
{
    const auto utf8 = convert("UTF-8", "CP932", bytes);
    if (!utf8)
        return std::nullopt;
    return QString::fromUtf8(*utf8);
}

std::optional<QByteArray> EncodeCp932(QStringView text)
{
    return convert("CP932", "UTF-8", text.toUtf8());
}
