#include "support/MeldungsRecorder.h"

MeldungsRecorder::MeldungsRecorder()
{
    m_vorher = &messagePresenter();
    setzeMessagePresenter(this);
}

MeldungsRecorder::~MeldungsRecorder()
{
    setzeMessagePresenter(nullptr);
}

int MeldungsRecorder::zeige(const MeldungsBox& box)
{
    boxen.append(box);
    if (!antworten.empty()) {
        const int a = antworten.front();
        antworten.pop_front();
        return a;
    }
    switch (box.stil & 7) {
    case MsgStil::JaNein: case MsgStil::JaNeinAbbrechen:
        return MsgAntwort::Ja;
    default:
        return MsgAntwort::OK;
    }
}
