#pragma once

#include "turn_screens.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

// The main window's controls, found by their design names.
inline QPushButton* actionButton(const QWidget& window, household::ActionButton which)
{
    static const char* const names[] = {"cmdRoudou", "cmdKaimono", "cmdShokuji"};
    return window.findChild<QPushButton*>(names[static_cast<int>(which)]);
}

inline QLabel* statusLabel(const QWidget& window, household::StatusLabel which)
{
    static const char* const names[] = {"lblDay",        "lblCupMenValue", "lblShoyuValue",
                                        "lblMoneyValue", "lblHahaHP",      "lblMusumeHP"};
    return window.findChild<QLabel*>(names[static_cast<int>(which)]);
}

// A game is being played: its action buttons are enabled.
inline bool gamePlaying(const QWidget& window)
{
    return actionButton(window, household::ActionButton::Roudou)->isEnabled();
}
