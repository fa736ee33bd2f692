// Key-by-key access to an INI ("profile") text file, the way settings and
// saved games are stored.  Sections and keys match without regard to case;
// a missing key gives the caller's default; an existing key is replaced in
// place, a new key goes to the end of its section, a new section to the end
// of the file; every other line of the file is kept.  UTF-8, LF (CRLF is
// read too).  Writes are collected and committed by Close(), which writes a
// temporary file beside the old one and renames it over, so a crash or a
// full disk never leaves half a file.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class TProfileFile {
public:
    // Reads the file if it exists; an unreadable file reads as empty.
    explicit TProfileFile(const QString &path);
    ~TProfileFile(); // does not commit: call Close()

    const QString &Path() const { return m_path; }
    // The file is there but is not one this layer reads (a folder, a
    // device, too large, unreadable): it reads as empty and is never
    // overwritten.
    bool Unreadable() const;

    // Values are cut to 2047 characters, as the reader has always done.
    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    // Full stored value (no cut) and whether the key exists: validators use
    // it to refuse over-long values instead of silently cutting them.
    QString ReadRaw(const QString &section, const QString &key, bool *found) const;
    // Decimal or 0x/0X hexadecimal; anything else gives def.
    int ReadInteger(const QString &section, const QString &key, int def) const;
    // An integer as above; any non-zero value is true.
    bool ReadBool(const QString &section, const QString &key, bool def) const;

    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    void WriteBool(const QString &section, const QString &key, bool value); // "1"/"0"
    void WriteList(const QString &section, const QString &key, const QStringList &items); // "a,b,c"

    // Commits collected writes.  On failure returns false, leaves the old
    // file whole and sets *error to "Unable to write to <path>".  Without
    // pending writes it touches nothing and returns true.
    bool Close(QString *error = nullptr);

    // "Unable to write to %s" with the path filled in.
    static QString WriteErrorText(const QString &path);

    // Test seam: the next Close() that writes stops after this many bytes of
    // the new file, as a crash or a full disk would.  Negative turns it off.
    static void SimulateWriteFailureAfter(qint64 bytes);

private:
    struct Impl;
    QString m_path;
    std::unique_ptr<Impl> d;
};
