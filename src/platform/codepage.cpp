#include "codepage.h"

#include "model/utf8_cut.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace tarnlink::codepage {

namespace {

// One conversion through iconv. Input that the target lacks becomes '?', one per character.
QByteArray convert(const char* to, const char* from, const char* data, size_t size, size_t unitSize)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return QByteArray(data, int(size));
    std::unique_ptr<void, int (*)(iconv_t)> closer(cd, iconv_close);
    QByteArray out;
    out.reserve(int(size) + 16);
    char buffer[4096];
    char* in = const_cast<char*>(data);
    size_t inLeft = size;
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, int(outPtr - buffer));
        if (rc == size_t(-1) && errno != E2BIG) {
            // Unconvertible or broken input: replace one unit and go on.
            out.append('?');
            const size_t step = std::min(unitSize, inLeft);
            in += step;
            inLeft -= step;
        }
    }
    return out;
}

template <typename Transform>
std::string mapText(std::string_view bytes, Transform transform)
{
    if (IsValidUtf8(bytes))
        return transform(QString::fromUtf8(bytes.data(), qsizetype(bytes.size()))).toStdString();
    const QByteArray back = toWindows1252(transform(fromWindows1252(bytes)));
    return std::string(back.constData(), size_t(back.size()));
}

} // namespace

QString fromWindows1252(std::string_view bytes)
{
    const QByteArray utf8 = convert("UTF-8", "WINDOWS-1252", bytes.data(), bytes.size(), 1);
    return QString::fromUtf8(utf8);
}

QByteArray toWindows1252(const QString& text)
{
    const QString::size_type n = text.size();
    return convert("WINDOWS-1252", "UTF-16LE", reinterpret_cast<const char*>(text.utf16()), size_t(n) * 2, 2);
}

QString toDisplay(std::string_view bytes)
{
    if (IsValidUtf8(bytes))
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    return fromWindows1252(bytes);
}

std::string fromDisplay(const QString& text)
{
    return text.toStdString();
}

std::string upper(std::string_view bytes)
{
    return mapText(bytes, [](const QString& s) { return s.toUpper(); });
}

std::string lower(std::string_view bytes)
{
    return mapText(bytes, [](const QString& s) { return s.toLower(); });
}

std::string trimmed(std::string_view bytes)
{
    return mapText(bytes, [](const QString& s) { return s.trimmed(); });
}

QByteArray toOem(const QString& text)
{
    return convert("CP437", "UTF-16LE", reinterpret_cast<const char*>(text.utf16()), size_t(text.size()) * 2, 2);
}

QString fromOem(const QByteArray& bytes)
{
    return QString::fromUtf8(convert("UTF-8", "CP437", bytes.constData(), size_t(bytes.size()), 1));
}

} // namespace tarnlink::codepage
