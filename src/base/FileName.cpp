#include "base/FileName.h"

#include <QStringDecoder>

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
    // At most one code unit a byte.
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t *o = reinterpret_cast<char16_t *>(out.data());
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        char32_t cp = 0;
        const int len = Utf8Length(p + i, n - i, cp);
        if (len == 0) {
            *o++ = char16_t(kEscapeBase + p[i++]);
        } else if (cp >= 0x10000) {
            *o++ = QChar::highSurrogate(cp);
            *o++ = QChar::lowSurrogate(cp);
        } else {
            *o++ = char16_t(cp);
        }
        i += len;
    }
    out.truncate(o - reinterpret_cast<const char16_t *>(out.constData()));
    return out;
}

QByteArray EncodeFileName(const QString &name)
{
    // At most three bytes a code unit (four for the two of a pair).
    QByteArray out(name.size() * 3, Qt::Uninitialized);
    char *o = out.data();
    const char16_t *s = reinterpret_cast<const char16_t *>(name.constData());
    const qsizetype n = name.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i];
        char32_t cp = c;
        if (c < 0x80) {
            *o++ = char(c);
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(s[i + 1])) {
            cp = QChar::surrogateToUcs4(c, s[++i]);
        } else if (IsEscape(c)) {
            *o++ = char(c - kEscapeBase);
            continue;
        } else if (QChar::isSurrogate(c)) {
            cp = 0xFFFD; // half of a pair: no byte sequence stands for it
        }
        if (cp < 0x800) {
            *o++ = char(0xC0 | (cp >> 6));
        } else if (cp < 0x10000) {
            *o++ = char(0xE0 | (cp >> 12));
            *o++ = char(0x80 | ((cp >> 6) & 0x3F));
        } else {
            *o++ = char(0xF0 | (cp >> 18));
            *o++ = char(0x80 | ((cp >> 12) & 0x3F));
            *o++ = char(0x80 | ((cp >> 6) & 0x3F));
        }
        *o++ = char(0x80 | (cp & 0x3F));
    }
    out.truncate(o - out.constData());
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
