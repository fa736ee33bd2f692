// Key-by-key INI access.  The file is read once into lines; lines that are
// never written keep their exact bytes, so comments, unknown lines and text
// in other encodings survive a write untouched.
#include "base/ProfileFile.h"

#include <QHash>

#include "base/FileName.h"
#include "base/FileRead.h"

#include <vector>

namespace {

// Largest file we are willing to read; anything bigger is not ours.  A
// saved 187-piece game is about 15 KB and Settings.ini far less; every line
// read costs some 70 bytes of bookkeeping, so the bound also bounds memory.
constexpr qint64 kMaxFileSize = 1024LL * 1024;
// The reader has always returned at most this many characters of a value.
constexpr int kMaxValueChars = 2047;

struct Line {
    QByteArray raw;   // as in the file, without the line end
    QString keyLower; // empty when the line holds no key
    QString value;    // decoded and trimmed, for key lines
};

struct Section {
    QString lower;
    std::vector<Line> lines; // the lines after the header
    QHash<QString, int> keys; // lower-case key -> first line holding it
};

// One line of text made safe to store: a line break inside would split it.
QString OneLine(QString s)
{
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

bool ParseInteger(const QString &text, int *out)
{
    const QString s = text.trimmed();
    if (s.isEmpty())
        return false;
    bool ok = false;
    if (s.size() > 2 && s[0] == QLatin1Char('0') && (s[1] == QLatin1Char('x') || s[1] == QLatin1Char('X'))) {
        const QString digits = s.mid(2);
        for (QChar c : digits)
            if (!c.isDigit() && !(c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')))
                return false;
        const qulonglong v = digits.toULongLong(&ok, 16);
        if (!ok || v > 0xFFFFFFFFULL)
            return false;
        *out = static_cast<int>(static_cast<quint32>(v)); // 0xFFFFFFFF reads as -1
        return true;
    }
    // Decimal: an optional sign, then digits only.
    int start = (s[0] == QLatin1Char('-') || s[0] == QLatin1Char('+')) ? 1 : 0;
    if (start == s.size())
        return false;
    for (int i = start; i < s.size(); ++i)
        if (s[i] < QLatin1Char('0') || s[i] > QLatin1Char('9'))
            return false;
    const int v = s.toInt(&ok, 10);
    if (!ok)
        return false;
    *out = v;
    return true;
}

} // namespace

struct TProfileFile::Impl {
    std::vector<Line> preamble; // lines before the first section header
    std::vector<QByteArray> headers;
    std::vector<Section> sections;
    QHash<QString, int> sectionIndex; // lower-case name -> first section
    bool unreadable = false;          // exists but could not be read: never overwrite
    bool dirty = false;

    void Parse(const QByteArray &data);
    const Line *Find(const QString &section, const QString &key) const;
    void Write(const QString &section, const QString &key, const QString &value);
    QByteArray Serialize() const;
};

void TProfileFile::Impl::Parse(const QByteArray &data)
{
    int pos = 0;
    const int n = data.size();
    bool firstLine = true;
    while (pos < n) {
        int end = data.indexOf('\n', pos);
        if (end < 0)
            end = n;
        QByteArray raw = data.mid(pos, end - pos);
        if (raw.endsWith('\r'))
            raw.chop(1);
        pos = end + 1;

        QString text = DecodeFileName(raw);
        if (firstLine && text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1); // a byte-order mark some editors put first
        firstLine = false;
        const QString t = text.trimmed();
        if (t.startsWith(QLatin1Char('['))) {
            int close = t.indexOf(QLatin1Char(']'));
            const QString name = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
            Section sec;
            sec.lower = name.toLower();
            headers.push_back(raw);
            sections.push_back(std::move(sec));
            if (!sectionIndex.contains(sections.back().lower))
                sectionIndex.insert(sections.back().lower, int(sections.size()) - 1);
            continue;
        }
        Line line;
        line.raw = raw;
        const int eq = text.indexOf(QLatin1Char('='));
        if (eq > 0 && !t.startsWith(QLatin1Char(';')) && !t.startsWith(QLatin1Char('#'))) {
            line.keyLower = text.left(eq).trimmed().toLower();
            line.value = text.mid(eq + 1).trimmed();
        }
        if (sections.empty()) {
            preamble.push_back(std::move(line));
        } else {
            Section &sec = sections.back();
            if (!line.keyLower.isEmpty() && !sec.keys.contains(line.keyLower))
                sec.keys.insert(line.keyLower, int(sec.lines.size()));
            sec.lines.push_back(std::move(line));
        }
    }
}

const Line *TProfileFile::Impl::Find(const QString &section, const QString &key) const
{
    const auto s = sectionIndex.constFind(section.trimmed().toLower());
    if (s == sectionIndex.constEnd())
        return nullptr;
    const Section &sec = sections[*s];
    const auto k = sec.keys.constFind(key.trimmed().toLower());
    if (k == sec.keys.constEnd())
        return nullptr;
    return &sec.lines[*k];
}

void TProfileFile::Impl::Write(const QString &section, const QString &key, const QString &value)
{
    const QString secName = OneLine(section).trimmed();
    const QString keyName = OneLine(key).trimmed();
    const QString val = OneLine(value);
    Line line;
    line.raw = EncodeFileName(keyName + QLatin1Char('=') + val);
    line.keyLower = keyName.toLower();
    line.value = val.trimmed();
    dirty = true;

    const QString secLower = secName.toLower();
    auto s = sectionIndex.constFind(secLower);
    if (s == sectionIndex.constEnd()) {
        headers.push_back(EncodeFileName(QLatin1Char('[') + secName + QLatin1Char(']')));
        Section sec;
        sec.lower = secLower;
        sec.keys.insert(line.keyLower, 0);
        sec.lines.push_back(std::move(line));
        sections.push_back(std::move(sec));
        sectionIndex.insert(secLower, int(sections.size()) - 1);
        return;
    }
    Section &sec = sections[*s];
    const auto k = sec.keys.constFind(line.keyLower);
    if (k != sec.keys.constEnd()) {
        sec.lines[*k] = std::move(line);
        return;
    }
    // After the section's last non-blank line, so blank lines that part it
    // from the next section stay where they are.  Every key line lies
    // before that point, so the key index needs no shifting.
    int at = int(sec.lines.size());
    while (at > 0 && sec.lines[at - 1].raw.trimmed().isEmpty())
        --at;
    sec.keys.insert(line.keyLower, at);
    sec.lines.insert(sec.lines.begin() + at, std::move(line));
}

QByteArray TProfileFile::Impl::Serialize() const
{
    QByteArray out;
    for (const Line &l : preamble)
        out += l.raw + '\n';
    for (size_t i = 0; i < sections.size(); ++i) {
        out += headers[i] + '\n';
        for (const Line &l : sections[i].lines)
            out += l.raw + '\n';
    }
    return out;
}

TProfileFile::TProfileFile(const QString &path, const TFileWriter &writer)
    : m_path(path), m_writer(&writer), d(new Impl)
{
    QByteArray data;
    const TReadFile rc = ReadRegularFile(path, kMaxFileSize, data);
    if (rc == TReadFile::Missing)
        return;
    if (rc != TReadFile::Ok) {
        d->unreadable = true;
        return;
    }
    d->Parse(data);
}

TProfileFile::TProfileFile(const QString &path, const QByteArray &content, const TFileWriter &writer)
    : m_path(path), m_writer(&writer), d(new Impl)
{
    if (content.size() > kMaxFileSize)
        d->unreadable = true;
    else
        d->Parse(content);
}

TProfileFile::~TProfileFile() = default;

bool TProfileFile::Unreadable() const { return d->unreadable; }

QString TProfileFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const Line *l = d->Find(section, key);
    if (!l)
        return def.left(kMaxValueChars);
    return l->value.left(kMaxValueChars);
}

QString TProfileFile::ReadRaw(const QString &section, const QString &key, bool *found) const
{
    const Line *l = d->Find(section, key);
    if (found)
        *found = l != nullptr;
    return l ? l->value : QString();
}

int TProfileFile::ReadInteger(const QString &section, const QString &key, int def) const
{
    const Line *l = d->Find(section, key);
    int v = def;
    if (l && ParseInteger(l->value.left(kMaxValueChars), &v))
        return v;
    return def;
}

bool TProfileFile::ReadBool(const QString &section, const QString &key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TProfileFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    d->Write(section, key, value);
}

void TProfileFile::WriteInteger(const QString &section, const QString &key, int value)
{
    d->Write(section, key, QString::number(value));
}

void TProfileFile::WriteBool(const QString &section, const QString &key, bool value)
{
    d->Write(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TProfileFile::WriteList(const QString &section, const QString &key, const QStringList &items)
{
    d->Write(section, key, items.join(QLatin1Char(',')));
}

bool TProfileFile::Close(QString *error)
{
    if (!d->dirty)
        return true;
    // A file we could not read would lose its content if we wrote ours.
    if (d->unreadable) {
        if (error)
            *error = UnreadableFileText(m_path);
        return false;
    }
    if (!WriteWholeFile(m_path, d->Serialize(), error, *m_writer))
        return false;
    d->dirty = false;
    return true;
}
