#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

#include <vector>

// The bytes of a file as the program reads them, in UTF-8: the bytes up to the first NUL; taken as
// they are when they are valid UTF-8 (a leading byte-order mark is dropped), otherwise read as
// Windows-1250, the code page of the Polish Windows systems that these data and configuration files
// come from, and converted.
QByteArray Utf8Text(QByteArray bytes);
// The same text decoded.
QString DecodeText(const QByteArray& bytes);
// Valid UTF-8 decoded; a byte-order mark is kept wherever it stands.
QString DecodeUtf8(QByteArrayView utf8);

// One character in UTF-8: one to three bytes (a lone surrogate in the form no valid text holds).
class Utf8Char
{
public:
    explicit Utf8Char(QChar ch)
    {
        const char16_t u = ch.unicode();
        if (u < 0x80) {
            m_bytes[m_size++] = char(u);
        } else if (u < 0x800) {
            m_bytes[m_size++] = char(0xC0 | (u >> 6));
            m_bytes[m_size++] = char(0x80 | (u & 0x3F));
        } else {
            m_bytes[m_size++] = char(0xE0 | (u >> 12));
            m_bytes[m_size++] = char(0x80 | ((u >> 6) & 0x3F));
            m_bytes[m_size++] = char(0x80 | (u & 0x3F));
        }
    }
    QByteArrayView View() const { return {m_bytes, m_size}; }

private:
    char m_bytes[3] = {};
    qsizetype m_size = 0;
};

// The lines of a text: they end at CR LF, LF or CR. The views point into `text`. At most
// `maxLines` lines are returned; the rest of the text is then not looked at.
std::vector<QStringView> SplitLines(QStringView text, std::size_t maxLines = std::size_t(-1));
std::vector<QByteArrayView> SplitLines(QByteArrayView text, std::size_t maxLines = std::size_t(-1));
