// Plays the main window's part in the new-game and load flows, headless,
// and records what a flow asked of it: the steps in `calls`, the texts it
// said in `messages`.
#pragma once

#include <QString>
#include <QStringList>

#include "board/Board.h"

template <class Host>
class TFakeFlowHost : public Host {
public:
    QString chosen;
    bool setimgOk = true;
    bool drawTimer = false;
    bool clock = false;
    QStringList calls;
    QStringList messages;
    Board *board = nullptr;
    bool cuttingAtSetimg = false;

    QString ChosenFile() const override { return chosen; }
    void ShowMessage(const QString &t) override { messages << t; }
    bool DrawTimerActive() const override { return drawTimer; }
    void StopDrawTimer() override { calls << "stopDrawTimer"; drawTimer = false; }
    void StartDrawTimer() override { calls << "startDrawTimer"; drawTimer = true; }
    void Draw() override { calls << "draw"; }
    bool Setimg(const QString &p) override
    {
        calls << "setimg " + p;
        cuttingAtSetimg = board && board->Cutting;
        return setimgOk;
    }
    void EnableSave() override { calls << "enableSave"; }
    void StartClock() override { calls << "clock"; clock = true; }
};
