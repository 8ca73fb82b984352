#include "shell/forms/Hauptfenster.h"

#include "shell/forms/MDIForm1.h"

Hauptfenster* hauptfenster()
{
    return MDIForm1::Instanz();
}
