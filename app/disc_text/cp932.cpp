#include "cp932.h"

#include <iconv.h>

#include <cerrno>

namespace {

// One conversion direction's iconv descriptor, opened once for each thread
// that converts (opening one costs far more than a short text's
// conversion) and put back into its initial state before every conversion.
class Converter {
public:
    Converter(const char* to, const char* from)
        : m_cd(iconv_open(to, from))
    {
    }
    ~Converter()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // All of input converted; nothing on any invalid or unconvertible
    // sequence.
    std::optional<QByteArray> convert(QByteArrayView input) const
    {
        if (!valid())
            return std::nullopt;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        QByteArray output(input.size() * 4 + 4, Qt::Uninitialized);
        char* in = const_cast<char*>(input.data());
        size_t inLeft = size_t(input.size());
        char* out = output.data();
        size_t outLeft = size_t(output.size());
        const size_t result = iconv(m_cd, &in, &inLeft, &out, &outLeft);
        // glibc counts characters it replaced as irreversible: those are
        // refused as well, so that nothing is silently substituted.
        if (result != 0 || inLeft != 0)
            return std::nullopt;
        output.truncate(output.size() - qsizetype(outLeft));
        return output;
    }

private:
    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    iconv_t m_cd;
};

}  // namespace

std::optional<QString> DecodeCp932(QByteArrayView bytes)
{
    thread_local const Converter fromCp932("UTF-8", "CP932");
    const auto utf8 = fromCp932.convert(bytes);
    if (!utf8)
        return std::nullopt;
    return QString::fromUtf8(*utf8);
}

std::optional<QByteArray> EncodeCp932(QStringView text)
{
    thread_local const Converter toCp932("CP932", "UTF-8");
    return toCp932.convert(text.toUtf8());
}
