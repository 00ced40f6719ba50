#include "core/base/TextCodec.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {

// Unicode code points of the bytes 0x80…0xFF in Windows-1250. The five bytes the code page leaves
// undefined stand for the C1 control characters of the same code, as Windows reads them.
constexpr std::array<char16_t, 128> Cp1250High = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Windows-1250 bytes converted to UTF-8.
QByteArray Cp1250ToUtf8(QByteArrayView bytes)
{
    QByteArray text;
    text.reserve(bytes.size() * 3);
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80)
            text += byte;
        else
            text += Utf8Char(QChar(Cp1250High[b - 0x80])).View();
    }
    return text;
}

template <class View> std::vector<View> SplitLinesOf(View text, std::size_t maxLines)
{
    std::vector<View> lines;
    const qsizetype n = text.size();
    // As many lines as there are line feeds, and one more: the usual ends need no growing.
    lines.reserve(std::min<std::size_t>(maxLines, std::count(text.begin(), text.end(), u'\n') + 1));
    // The next CR and the next LF from `start` on (n when none), each looked for again only once
    // passed.
    qsizetype cr = -1;
    qsizetype lf = -1;
    const auto next = [&text, n](qsizetype found, char16_t ch, qsizetype from) {
        if (found >= from)
            return found;
        const qsizetype at = text.indexOf(std::remove_const_t<typename View::value_type>(ch), from);
        return at < 0 ? n : at;
    };
    qsizetype start = 0;
    while (start < n && lines.size() < maxLines) {
        cr = next(cr, u'\r', start);
        lf = next(lf, u'\n', start);
        const qsizetype end = std::min(cr, lf);
        lines.push_back(text.sliced(start, end - start));
        start = end + (end == cr && end + 1 == lf ? 2 : 1);
    }
    return lines;
}

}   // namespace

QByteArray Utf8Text(QByteArray bytes)
{
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        bytes.truncate(nul);
    if (!QByteArrayView(bytes).isValidUtf8())
        return Cp1250ToUtf8(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    return bytes;
}

QString DecodeText(const QByteArray& bytes)
{
    return DecodeUtf8(Utf8Text(bytes));
}

QString DecodeUtf8(QByteArrayView utf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(utf8);
}

std::vector<QStringView> SplitLines(QStringView text, std::size_t maxLines)
{
    return SplitLinesOf(text, maxLines);
}

std::vector<QByteArrayView> SplitLines(QByteArrayView text, std::size_t maxLines)
{
    return SplitLinesOf(text, maxLines);
}
