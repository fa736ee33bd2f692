#include "board/NextPicture.h"

#include "board/Board.h"

bool SetNextPicture(Board &b, TNextPictureHost &host, const QString &path, const std::function<void()> &undo)
{
    const bool redrawWasOn = host.DrawTimerActive();
    host.StopDrawTimer();
    b.Cutting = true;
    b.CutProgress = 0;
    host.Draw();

    if (host.Setimg(path))
        return true;
    if (undo)
        undo();
    b.Cutting = false;
    if (redrawWasOn || b.Pieces.Count() > 0)
        host.StartDrawTimer();
    host.Draw();
    host.ShowMessage(QStringLiteral("img not set"));
    return false;
}
