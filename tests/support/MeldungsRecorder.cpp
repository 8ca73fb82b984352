#include "support/MeldungsRecorder.h"

MeldungsRecorder::MeldungsRecorder()
{
    m_vorher = &messagePresenter();
    setzeMessagePresenter(this);
}

MeldungsRecorder::~MeldungsRecorder()
{
    setzeMessagePresenter(m_vorher);
}

int MeldungsRecorder::zeige(const MeldungsBox& box)
{
    boxen.append(box);
    if (!antworten.empty()) {
        const int a = antworten.front();
        antworten.pop_front();
        return a;
    }
    return MsgTasten(box.stil).first();
}
