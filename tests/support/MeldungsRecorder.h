#pragma once
#include <QList>

#include <deque>

#include "base/MessagePresenter.h"

// Keeps every message box and answers from a script (then with the first button).
class MeldungsRecorder : public MessagePresenter {
public:
    MeldungsRecorder();
    ~MeldungsRecorder() override;
    int zeige(const MeldungsBox& box) override;

    QList<MeldungsBox> boxen;
    std::deque<int> antworten;  // answers in order (MsgAntwort)
    void leeren() { boxen.clear(); antworten.clear(); }

private:
    MessagePresenter* m_vorher = nullptr;
};
