// A saved game under any bytes: the reader and its checks, then the
// pieces of an accepted file put on a board.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "board/Board.h"
#include "base/ProfileFile.h"
#include "persist/SaveGame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TProfileFile f(QStringLiteral("/nonexistent/fuzz.jgy"), bytes);
    const Board current;
    TSavedGame g;
    QString reason;
    if (!CheckSavedGame(f, current, g, &reason)) {
        if (reason.isEmpty())
            abort(); // every refusal says why
        return 0;
    }
    Board b;
    b.SizeIndex = g.SizeIndex;
    for (int i = 0; i < g.PiecesCount; ++i)
        b.Pieces.Add();
    if (!ApplySavedPieces(b, g))
        abort(); // a checked game always fits a board of its cut
    const std::vector<int> order = b.DrawOrder; // bringing to top reorders it
    for (const int piece : order)
        BringToTop(b, piece);
    return 0;
}
