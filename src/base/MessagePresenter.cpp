#include "base/MessagePresenter.h"

#include <cstdio>

namespace {
class StandardPresenter : public MessagePresenter {
public:
    int zeige(const MeldungsBox& box) override
    {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(box.titel), qPrintable(box.text));
        return MsgTasten(box.stil).first();
    }
};

StandardPresenter g_standard;
MessagePresenter* g_presenter = nullptr;
}  // namespace

QList<int> MsgTasten(int stil)
{
    using namespace MsgAntwort;
    switch (stil & MsgStil::Tasten) {
    case MsgStil::OKAbbrechen: return {OK, Abbrechen};
    case MsgStil::AbbruchWiederholenIgnorieren: return {Abbruch, Wiederholen, Ignorieren};
    case MsgStil::JaNeinAbbrechen: return {Ja, Nein, Abbrechen};
    case MsgStil::JaNein: return {Ja, Nein};
    case MsgStil::WiederholenAbbrechen: return {Wiederholen, Abbrechen};
    default: return {OK};
    }
}

MessagePresenter& messagePresenter()
{
    return g_presenter ? *g_presenter : g_standard;
}

void setzeMessagePresenter(MessagePresenter* p)
{
    g_presenter = p;
}

int MsgBox(const QString& text, int stil, const QString& titel)
{
    MeldungsBox box;
    box.vorlage = text;
    box.text = text;
    box.titel = titel;
    box.stil = stil;
    return messagePresenter().zeige(box);
}
