#pragma once
#include <QList>
#include <QStringList>

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
    // The texts of the boxes shown, in order.
    QStringList texte() const
    {
        QStringList r;
        for (const MeldungsBox& b : boxen)
            r << b.text;
        return r;
    }

private:
    MessagePresenter* m_vorher = nullptr;
};
