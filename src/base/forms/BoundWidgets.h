#pragma once
#include <QList>

#include <memory>

#include "base/BoundControl.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// Widgets as bound controls. The adapter holds the widget weakly: once the widget is gone, the
// adapter does nothing. Setting a value from code emits only the widgets' change signals
// (textChanged, toggled, stateChanged, currentIndexChanged); pages connect their user handlers
// to the user signals (textEdited, clicked, activated), so code never fires them by accident.
std::shared_ptr<BoundControl> Steuerelement(QLineEdit* textBox);
std::shared_ptr<BoundControl> Steuerelement(QLabel* label);
std::shared_ptr<BoundControl> Steuerelement(QCheckBox* checkBox);
std::shared_ptr<BoundControl> Steuerelement(QComboBox* comboBox);
// An option group: the buttons in index order (option i is buttons[i]).
std::shared_ptr<BoundControl> Optionsgruppe(const QList<QRadioButton*>& buttons);
