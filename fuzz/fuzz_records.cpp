// The records file under any bytes: every list of a picture read, then a
// finish kept in it, which must then be among its list.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "persist/Records.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString path = QDir::tempPath() + QStringLiteral("/jigsy-fuzz-records-%1.ini")
                                                       .arg(QCoreApplication::applicationPid());
    QFile::remove(path + QStringLiteral(".bad"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        abort();
    out.write(reinterpret_cast<const char *>(data), qint64(size));
    out.close();

    const TRecordsFile file(path);
    const TRecordTable t = RecordTableOf(QStringLiteral("/x/Apic.jpg"), true, 1, true);
    for (const TRecordList &l : file.ReadPicture(t.Picture)) {
        if (l.Records.empty() || l.Records.size() > size_t(kRecordsKept))
            abort(); // a list shown holds one to ten records
        for (size_t k = 1; k < l.Records.size(); ++k)
            if (l.Records[k].Seconds < l.Records[k - 1].Seconds)
                abort(); // fastest first
    }
    const TRecord finish{42, QDate(2026, 12, 9)};
    file.AddFinish(t, finish);
    const std::vector<TRecord> after = file.Read(t);
    if (after.empty() || after.front().Seconds > finish.Seconds)
        abort(); // the fastest finish yet is first
    return 0;
}
