// The best times: for every picture, cut and rotation setting the ten
// fastest finishes are kept, fastest first, in "records.ini" in the
// player's state folder ($XDG_STATE_HOME/jigsy, or beside a portable
// program), an INI file written key by key.
//
// Each list is one section named by a digest of the picture, the cut and
// the rotation setting; it holds "Picture" (the picture, for a reader of
// the file) and "r0".."r9", each "<seconds>,<yyyy-MM-dd>" and, when hints
// were used, ",<hints>".  Entries that do
// not read as such are passed over; a file that cannot be read at all
// counts as empty.
#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <vector>

constexpr int kRecordsKept = 10;

struct TRecord {
    int64_t Seconds = 0; // the clock at the finish
    QDate Date;          // the day of the finish
    int Hints = 0;       // hints used on the way
};

// "1 подсказка", "3 подсказки", "5 подсказок".
QString HintsText(int hints);

// Which list a finish belongs to.
struct TRecordTable {
    QString Picture;     // as RecordPicture gives it
    int SizeIndex = 1;   // the cut
    bool RotateEnabled = false;
    QString File;        // the picture the player chose: what the file names
};

// The picture a list belongs to.  The two versions of an installed picture
// (one name starting "A" for one cut, "B" for the other) are one picture.
QString RecordPicture(const QString &pictureFile, bool ownImage);
// The list of the game cut from `pictureFile`: an installed picture's list
// names the "A" picture the player chose.
TRecordTable RecordTableOf(const QString &pictureFile, bool ownImage, int sizeIndex, bool rotateEnabled);
// What the records window is headed by: the name of an installed picture
// (without its letter and extension), the file name of any other.
QString RecordTitle(const QString &pictureFile, bool ownImage);

// The list with one more finish: fastest first, an equal time after the
// older ones, at most kRecordsKept.
std::vector<TRecord> WithFinish(std::vector<TRecord> list, const TRecord &finish);

// The lists of one picture that hold any record, in the order of the cut
// table, without rotation before with it.
struct TRecordList {
    int SizeIndex = 1;
    bool RotateEnabled = false;
    std::vector<TRecord> Records;
};

class TRecordsFile {
public:
    // "records.ini" in the player's state folder, its name matched without
    // regard to case.
    TRecordsFile();
    explicit TRecordsFile(const QString &path) : m_path(path) {}

    const QString &Path() const { return m_path; }

    std::vector<TRecord> Read(const TRecordTable &t) const;
    std::vector<TRecordList> ReadPicture(const QString &picture) const;

    // Keeps a finish in its list.  Returns whether it beat the best time
    // the list held before (a first finish beats nothing).  A file that
    // cannot be read is moved aside as "<name>.bad" and a new one begun;
    // a write that still fails leaves the message in *error.
    bool AddFinish(const TRecordTable &t, const TRecord &finish, QString *error = nullptr) const;

private:
    QString m_path;
};
