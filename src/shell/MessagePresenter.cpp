#include "shell/MessagePresenter.h"

#include <cstdio>

namespace {
class StandardPresenter : public MessagePresenter {
public:
    int zeige(const MeldungsBox& box) override
    {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(box.titel), qPrintable(box.text));
        switch (box.stil & 7) {
        case MsgStil::JaNein: case MsgStil::JaNeinAbbrechen:
            return MsgAntwort::Ja;
        default:
            return MsgAntwort::OK;
        }
    }
};

StandardPresenter g_standard;
MessagePresenter* g_presenter = nullptr;
}  // namespace

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
