#include "base/FileName.h"

#include <QStringDecoder>

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace {

constexpr char16_t kEscapeBase = 0xDC00; // byte b (0x80..0xFF) <-> U+DC00 + b

// The length of the valid UTF-8 sequence at p (at most `left` bytes), or 0.
int Utf8Length(const unsigned char *p, qsizetype left, char32_t &cp)
{
    const unsigned char b = p[0];
    int len;
    char32_t min;
    if (b < 0x80) {
        cp = b;
        return 1;
    } else if (b >= 0xC2 && b <= 0xDF) {
        len = 2, min = 0x80, cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        len = 3, min = 0x800, cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        len = 4, min = 0x10000, cp = b & 0x07;
    } else {
        return 0;
    }
    if (left < len)
        return 0;
    for (int i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    // Overlong forms, encoded surrogates and code points past U+10FFFF are
    // not UTF-8: their bytes are escaped one by one.
    if (cp < min || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
        return 0;
    return len;
}

bool IsEscape(char16_t c) { return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF; }

} // namespace

QString DecodeFileName(const QByteArray &bytes)
{
    // Nearly every name is UTF-8: Qt's decoder takes those whole.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QString out;
    out.reserve(bytes.size());
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        char32_t cp = 0;
        const int len = Utf8Length(p + i, n - i, cp);
        if (len == 0) {
            out += QChar(char16_t(kEscapeBase + p[i]));
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            out += QChar(QChar::highSurrogate(cp));
            out += QChar(QChar::lowSurrogate(cp));
        } else {
            out += QChar(char16_t(cp));
        }
        i += len;
    }
    return out;
}

QByteArray EncodeFileName(const QString &name)
{
    if (std::none_of(name.cbegin(), name.cend(), [](QChar c) { return c.isSurrogate(); }))
        return name.toUtf8();
    QByteArray out;
    out.reserve(name.size());
    const qsizetype n = name.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = name.at(i).unicode();
        char32_t cp = c;
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(name.at(i + 1).unicode())) {
            cp = QChar::surrogateToUcs4(c, name.at(i + 1).unicode());
            ++i;
        } else if (IsEscape(c)) {
            out += char(c - kEscapeBase);
            continue;
        } else if (QChar::isSurrogate(c)) {
            cp = 0xFFFD; // half of a pair: no byte sequence stands for it
        }
        if (cp < 0x80) {
            out += char(cp);
        } else if (cp < 0x800) {
            out += char(0xC0 | (cp >> 6));
            out += char(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += char(0xE0 | (cp >> 12));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        } else {
            out += char(0xF0 | (cp >> 18));
            out += char(0x80 | ((cp >> 12) & 0x3F));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

QString DisplayFileName(const QString &name)
{
    QString out = name;
    for (QChar &c : out)
        if (IsEscape(c.unicode()))
            c = QChar(QChar::ReplacementCharacter);
    return out;
}

bool IsRegularFile(const QString &path)
{
    struct stat st {};
    return !path.isEmpty() && ::stat(EncodeFileName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QStringList FolderEntries(const QString &folder)
{
    QStringList names;
    DIR *dir = ::opendir(EncodeFileName(folder.isEmpty() ? QStringLiteral(".") : folder).constData());
    if (!dir)
        return names;
    while (const dirent *e = ::readdir(dir)) {
        const QByteArray name(e->d_name);
        if (name != "." && name != "..")
            names << DecodeFileName(name);
    }
    ::closedir(dir);
    return names;
}
