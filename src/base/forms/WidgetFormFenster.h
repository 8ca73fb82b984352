#pragma once
#include <memory>

#include "base/FormFunktionen.h"

class QWidget;

// A page widget for the page hiding: size in twips (15 per pixel); a page of size 0 is hidden
// and shown again when it gets its size back. The style word starts with the caption bits when
// the widget is a window with a title and the sizing-border bit when its size may change; it is
// kept for the page hiding (the main window draws the frames of its pages).
std::shared_ptr<FormFenster> Formfenster(QWidget* seite);
