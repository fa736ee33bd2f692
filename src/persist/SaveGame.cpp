#include "persist/SaveGame.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

#include "base/FileName.h"
#include "base/ProfileFile.h"
#include "persist/SaveChecker.h"

namespace {

// Pieces never lie this far off the table; anything beyond is damage.
constexpr int kMaxCoord = 1000000;
// No table is laid out larger than this on either side.
constexpr int kMaxTable = 1 << 16;
// Far more group items than joins could ever make.
constexpr int kMaxGroups = 10000;

const QString kSet = QStringLiteral("Set");
const QString kGroups = QStringLiteral("Groups");

QString PieceSection(int i) { return QStringLiteral("piece") + QString::number(i); }
QString GroupKey(int j) { return QStringLiteral("gr") + QString::number(j); }

bool ReadSet(TChecker &c, const Board &current, TSavedGame &g)
{
    const int32_t size = c.Integer(kSet, QStringLiteral("psind"), current.SizeIndex);
    if (!ValidSizeIndex(size))
        return c.Fail(QStringLiteral("размер нарезки «psind» должен быть от 1 до %1").arg(CutCount));
    g.SizeIndex = uint8_t(size);
    const TCutInfo &cut = CutTable[g.SizeIndex];
    c.AllowListsOf(PieceCount(cut));

    g.OwnImage = c.Bool(kSet, QStringLiteral("OwnerImg"), current.OwnImage);
    g.PiecesCount = c.Integer(kSet, QStringLiteral("piecesCount"), 0);
    if (g.PiecesCount != PieceCount(cut))
        return c.Fail(QStringLiteral("число кусочков «piecesCount» не равно %1 x %2").arg(cut.Cols).arg(cut.Rows));
    // kept in one byte, as the settings keep it
    g.BgIndex = uint8_t(c.Integer(kSet, QStringLiteral("bgind"), current.BgIndex));

    bool found = false;
    if (!c.Indices(kSet, QStringLiteral("PPosLst"), g.PiecesCount, g.DrawOrder, &found))
        return false;
    if (!found)
        return c.Fail(QStringLiteral("нет порядка кусочков «PPosLst»"));
    std::vector<char> seen(size_t(g.PiecesCount), 0);
    for (const int piece : g.DrawOrder) {
        char &mark = seen[size_t(piece)];
        if (mark)
            return c.Fail(QStringLiteral("«PPosLst» называет кусочек %1 дважды").arg(piece));
        mark = 1;
    }
    if (g.DrawOrder.size() != size_t(g.PiecesCount))
        return c.Fail(QStringLiteral("«PPosLst» называет не все кусочки"));

    // The joins decide when the picture is finished: a count that does not
    // fit the pieces would end the game early or never.
    g.JoinCount = c.Integer(kSet, QStringLiteral("Spind"), current.JoinCount);
    if (g.JoinCount < 0 || g.JoinCount >= g.PiecesCount)
        return c.Fail(QStringLiteral("число соединений «Spind» вне 0..%1").arg(g.PiecesCount - 1));

    g.GameTime = c.Time(kSet, QStringLiteral("Time"), 0);

    g.RotateEnabled = c.Bool(kSet, QStringLiteral("RotateEnabled"), true);
    g.FlipVer = c.Bool(kSet, QStringLiteral("RotateVer"), false);
    g.FlipHor = c.Bool(kSet, QStringLiteral("RotateHor"), false);

    g.TableW = c.Integer(kSet, QStringLiteral("TableW"), 0);
    g.TableH = c.Integer(kSet, QStringLiteral("TableH"), 0);
    if (g.TableW < 0 || g.TableW > kMaxTable || g.TableH < 0 || g.TableH > kMaxTable)
        return c.Fail(QStringLiteral("размер стола «TableW», «TableH» вне 0..%1").arg(kMaxTable));
    g.HintsUsed = c.Integer(kSet, QStringLiteral("Hints"), 0);
    if (g.HintsUsed < 0)
        return c.Fail(QStringLiteral("число подсказок «Hints» меньше нуля"));
    return true;
}

bool ReadPieces(TChecker &c, TSavedGame &g)
{
    const TCutInfo &cut = CutTable[g.SizeIndex];
    g.Pieces.assign(size_t(g.PiecesCount), TSavedPiece());
    for (int i = 0; i < g.PiecesCount; ++i) {
        const QString sec = PieceSection(i);
        TSavedPiece &p = g.Pieces[size_t(i)];
        p.X = c.Integer(sec, QStringLiteral("FX"), 0);
        p.Y = c.Integer(sec, QStringLiteral("FY"), 0);
        p.Col = c.Integer(sec, QStringLiteral("FXC"), 0);
        p.Row = c.Integer(sec, QStringLiteral("FYC"), 0);
        p.Group = c.Integer(sec, QStringLiteral("grind"), -1);
        if (p.X < -kMaxCoord || p.X > kMaxCoord || p.Y < -kMaxCoord || p.Y > kMaxCoord)
            return c.Fail(QStringLiteral("кусочек %1 лежит дальше %2 точек от стола").arg(i).arg(kMaxCoord));
        if (p.Col != i % cut.Cols || p.Row != i / cut.Cols)
            return c.Fail(QStringLiteral("место кусочка %1 на картинке («FXC», «FYC») не совпадает с его номером").arg(i));
        // Only the quarter turn counts: its low byte, taken modulo 4.
        p.Rotation = uint8_t(uint32_t(c.Integer(sec, QStringLiteral("Rotate"), 0)) % 4);
    }
    return true;
}

bool ReadGroups(TChecker &c, TSavedGame &g)
{
    const int32_t count = c.Integer(kGroups, QStringLiteral("count"), 0);
    if (count < 0 || count > kMaxGroups)
        return c.Fail(QStringLiteral("число групп «count» вне 0..%1").arg(kMaxGroups));
    g.Groups.assign(size_t(count), std::vector<int>());
    for (int j = 0; j < count; ++j)
        if (!c.Indices(kGroups, GroupKey(j), g.PiecesCount, g.Groups[size_t(j)]))
            return false;

    // A group that absorbed another leaves the other's item behind with its
    // old list and no piece naming it.  So: a piece that names group j is
    // listed in j, and a group that some piece names lists exactly the
    // pieces naming it, each once.
    std::vector<char> named(size_t(count), 0);
    for (int i = 0; i < g.PiecesCount; ++i) {
        const int grind = g.Pieces[size_t(i)].Group;
        if (grind < -1 || grind >= count)
            return c.Fail(QStringLiteral("кусочек %1 ссылается на группу %2, которой нет").arg(i).arg(grind));
        if (grind >= 0)
            named[size_t(grind)] = 1;
    }
    std::vector<int> seenIn(size_t(g.PiecesCount), -1);
    for (int j = 0; j < count; ++j) {
        if (!named[size_t(j)])
            continue;
        for (const int m : g.Groups[size_t(j)]) {
            if (g.Pieces[size_t(m)].Group != j || seenIn[size_t(m)] == j)
                return c.Fail(QStringLiteral("группа %1 не совпадает с группами своих кусочков («grind»)").arg(j));
            seenIn[size_t(m)] = j;
        }
    }
    for (int i = 0; i < g.PiecesCount; ++i) {
        const int grind = g.Pieces[size_t(i)].Group;
        if (grind >= 0 && seenIn[size_t(i)] != grind)
            return c.Fail(QStringLiteral("группа кусочка %1 («grind») не совпадает со списками групп").arg(i));
    }
    return true;
}

const QString kTrays = QStringLiteral("Trays");
QString TrayKey(const char *what, int k) { return QLatin1String(what) + QString::number(k); }

// The trays: at most MaxTrays, short names, real pieces, each piece in one
// tray at most and a group wholly in one tray or wholly on the table.  A
// file without the section has empty trays.
bool ReadTrays(TChecker &c, TSavedGame &g)
{
    g.Trays = DefaultTrays();
    g.TraysShown = c.Bool(kTrays, QStringLiteral("shown"), TraysOpenAtStart(g.SizeIndex));
    const int32_t count = c.Integer(kTrays, QStringLiteral("count"), 0);
    if (count < 0 || count > MaxTrays)
        return c.Fail(QStringLiteral("число лотков «count» в разделе «%1» вне 0..%2").arg(kTrays).arg(MaxTrays));
    std::vector<int> trayOf(size_t(g.PiecesCount), -1);
    for (int k = 0; k < count; ++k) {
        TTray &t = g.Trays[size_t(k)];
        QString name;
        bool found = false;
        if (!c.Raw(kTrays, TrayKey("name", k), name, found))
            return false;
        if (name.size() > MaxTrayNameChars)
            return c.Fail(QStringLiteral("имя лотка «%1» длиннее %2 знаков").arg(TrayKey("name", k)).arg(MaxTrayNameChars));
        if (found && !name.trimmed().isEmpty())
            t.Name = name.trimmed();
        const int32_t swatch = c.Integer(kTrays, TrayKey("colour", k), -1);
        t.Swatch = swatch >= 0 && swatch <= 0xFFFFFF ? swatch : -1;
        if (!c.Indices(kTrays, TrayKey("list", k), g.PiecesCount, t.Pieces))
            return false;
        for (const int p : t.Pieces) {
            if (trayOf[size_t(p)] >= 0)
                return c.Fail(QStringLiteral("«%1» называет кусочек %2, который уже лежит в лотке")
                                  .arg(TrayKey("list", k))
                                  .arg(p));
            trayOf[size_t(p)] = k;
        }
    }
    // A piece of a group lies where its whole group lies.
    for (int i = 0; i < g.PiecesCount; ++i) {
        const int grind = g.Pieces[size_t(i)].Group;
        if (grind < 0)
            continue;
        for (const int m : g.Groups[size_t(grind)])
            if (trayOf[size_t(m)] != trayOf[size_t(i)]) {
                const int k = std::max(trayOf[size_t(m)], trayOf[size_t(i)]);
                return c.Fail(QStringLiteral("кусочек %1 и на столе, и в лотке («%2»): его группа лежит не вся в лотке")
                                  .arg(trayOf[size_t(m)] >= 0 ? m : i)
                                  .arg(TrayKey("list", k)));
            }
    }
    return true;
}

void WriteTrays(TProfileFile &f, const TSavedGame &g)
{
    if (g.TraysShown == TraysOpenAtStart(g.SizeIndex) && TraysAreDefault(g.Trays))
        return; // nothing to keep: an older reader's file, exactly
    f.WriteInteger(kTrays, QStringLiteral("count"), int(g.Trays.size()));
    f.WriteBool(kTrays, QStringLiteral("shown"), g.TraysShown);
    for (size_t k = 0; k < g.Trays.size(); ++k) {
        const TTray &t = g.Trays[k];
        f.WriteString(kTrays, TrayKey("name", int(k)), t.Name);
        f.WriteInteger(kTrays, TrayKey("colour", int(k)), t.Swatch);
        QStringList list;
        for (const int p : t.Pieces)
            list.append(QString::number(p));
        f.WriteList(kTrays, TrayKey("list", int(k)), list);
    }
}

} // namespace

QString PictureNotFoundText() { return QStringLiteral("Файл картинки не найден!"); }

QString BadSaveText(const QString &path, const QString &reason)
{
    return QStringLiteral("Файл %1 испорчен или не является сохранённой игрой: %2. Игра не загружена.")
        .arg(path, reason);
}

TSavedGame SavedGameFromBoard(const Board &b, const QString &imgFileName)
{
    TSavedGame g;
    g.SizeIndex = b.SizeIndex;
    g.OwnImage = b.OwnImage;
    g.PiecesCount = b.Pieces.Count();
    g.BgIndex = b.BgIndex;
    g.ImgFileName = imgFileName;
    g.DrawOrder = b.DrawOrder;
    g.JoinCount = b.JoinCount;
    g.GameTime = b.GameTime;
    g.RotateEnabled = b.RotateEnabled;
    g.FlipVer = b.FlipVer != 0;
    g.FlipHor = b.FlipHor != 0;
    g.Pieces.reserve(size_t(b.Pieces.Count()));
    for (const Tpiece &p : b.Pieces)
        g.Pieces.push_back({p.X, p.Y, p.Col, p.Row, p.Group, p.Rotation});
    g.Groups = b.Groups;
    g.TableW = b.TableW;
    g.TableH = b.TableH;
    g.HintsUsed = b.HintsUsed;
    g.Trays = b.Trays;
    g.TraysShown = b.TraysShown;
    return g;
}

namespace {

// A list of piece numbers as the file keeps it: each in plain decimal.
QStringList DecimalList(const std::vector<int> &pieces)
{
    QStringList out;
    out.reserve(qsizetype(pieces.size()));
    for (const int p : pieces)
        out.append(QString::number(p));
    return out;
}

bool WriteGameInto(TProfileFile &f, const TSavedGame &g, QString *error)
{
    f.WriteInteger(kSet, QStringLiteral("psind"), g.SizeIndex);
    f.WriteBool(kSet, QStringLiteral("OwnerImg"), g.OwnImage);
    f.WriteInteger(kSet, QStringLiteral("piecesCount"), g.PiecesCount);
    f.WriteInteger(kSet, QStringLiteral("bgind"), g.BgIndex);
    f.WriteString(kSet, QStringLiteral("ImgFileName"), g.ImgFileName);
    f.WriteList(kSet, QStringLiteral("PPosLst"), DecimalList(g.DrawOrder));
    f.WriteInteger(kSet, QStringLiteral("Spind"), g.JoinCount);
    f.WriteString(kSet, QStringLiteral("Time"), FormatGameTime(g.GameTime));
    f.WriteBool(kSet, QStringLiteral("RotateEnabled"), g.RotateEnabled);
    f.WriteBool(kSet, QStringLiteral("RotateVer"), g.FlipVer);
    f.WriteBool(kSet, QStringLiteral("RotateHor"), g.FlipHor);
    f.WriteInteger(kSet, QStringLiteral("TableW"), g.TableW);
    f.WriteInteger(kSet, QStringLiteral("TableH"), g.TableH);
    f.WriteInteger(kSet, QStringLiteral("Hints"), g.HintsUsed);
    for (size_t i = 0; i < g.Pieces.size(); ++i) {
        const QString sec = PieceSection(int(i));
        const TSavedPiece &p = g.Pieces[i];
        f.WriteInteger(sec, QStringLiteral("FX"), p.X);
        f.WriteInteger(sec, QStringLiteral("FY"), p.Y);
        f.WriteInteger(sec, QStringLiteral("FXC"), p.Col);
        f.WriteInteger(sec, QStringLiteral("FYC"), p.Row);
        f.WriteInteger(sec, QStringLiteral("grind"), p.Group);
        f.WriteInteger(sec, QStringLiteral("Rotate"), p.Rotation);
    }
    f.WriteInteger(kGroups, QStringLiteral("count"), int(g.Groups.size()));
    for (size_t j = 0; j < g.Groups.size(); ++j)
        f.WriteList(kGroups, GroupKey(int(j)), DecimalList(g.Groups[j]));
    WriteTrays(f, g);
    return f.Close(error);
}

} // namespace

bool WriteSavedGame(const QString &path, const TSavedGame &g, QString *error)
{
    TProfileFile f(path);
    return WriteGameInto(f, g, error);
}

bool WriteFreshSavedGame(const QString &path, const TSavedGame &g, QString *error)
{
    TProfileFile f(path, QByteArray());
    return WriteGameInto(f, g, error);
}

TSaveCheck ReadSavedGame(const QString &path, const Board &current, TSavedGame &out, QString *message)
{
    const TProfileFile f(path);
    QString reason;
    const TSaveCheck rc = ReadSavedGame(f, current, out, &reason);
    if (message)
        *message = rc == TSaveCheck::PictureMissing ? PictureNotFoundText()
                   : rc == TSaveCheck::Invalid      ? BadSaveText(path, reason)
                                                    : QString();
    return rc;
}

TSaveCheck ReadSavedGame(const TProfileFile &f, const Board &current, TSavedGame &out, QString *reason)
{
    TChecker c(f);
    QString picture;
    bool found = false;
    if (!c.Raw(kSet, QStringLiteral("ImgFileName"), picture, found)) {
        if (reason)
            *reason = c.Reason();
        return TSaveCheck::Invalid;
    }
    if (!IsRegularFile(picture))
        return TSaveCheck::PictureMissing;
    return CheckSavedGame(f, current, out, reason) ? TSaveCheck::Ok : TSaveCheck::Invalid;
}

bool CheckSavedGame(const TProfileFile &f, const Board &current, TSavedGame &out, QString *reason)
{
    TChecker c(f);
    TSavedGame g;
    bool found = false;
    if (!c.Raw(kSet, QStringLiteral("ImgFileName"), g.ImgFileName, found) || !ReadSet(c, current, g) ||
        !ReadPieces(c, g) || !ReadGroups(c, g) || !ReadTrays(c, g)) {
        if (reason)
            *reason = c.Reason();
        return false;
    }
    out = std::move(g);
    return true;
}

bool ApplySavedPieces(Board &b, const TSavedGame &g)
{
    if (b.Pieces.Count() != g.PiecesCount || int(g.Pieces.size()) != g.PiecesCount)
        return false;
    for (int i = 0; i < g.PiecesCount; ++i) {
        const TSavedPiece &s = g.Pieces[size_t(i)];
        Tpiece &p = b.Pieces[i];
        p.X = s.X;
        p.Y = s.Y;
        p.Col = s.Col;
        p.Row = s.Row;
        p.Group = s.Group;
        p.Rotation = s.Rotation;
    }
    b.DrawOrder = g.DrawOrder;
    b.Groups = g.Groups;
    b.Trays = g.Trays;
    b.TraysShown = g.TraysShown;
    b.Selected.clear(); // a selection is never kept
    return true;
}

void ApplySavedFlags(Board &b, const TSavedGame &g)
{
    b.SizeIndex = g.SizeIndex;
    b.OwnImage = g.OwnImage;
    b.RotateEnabled = g.RotateEnabled;
    b.BgIndex = g.BgIndex;
    b.JoinCount = g.JoinCount;
    b.GameTime = g.GameTime;
    b.ShowFinished = false;
    b.FlipVer = g.FlipVer ? 1 : 0;
    b.FlipHor = g.FlipHor ? 1 : 0;
    b.TableW = g.TableW;
    b.TableH = g.TableH;
    b.HintsUsed = g.HintsUsed;
    b.HintPiece = -1;
}
