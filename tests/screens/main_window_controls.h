#pragma once

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

// The main window's controls, found by their design names: the action
// buttons and the status boxes in the order the status shows them.
inline const QStringList kActionButtons = {"cmdRoudou", "cmdKaimono", "cmdShokuji"};
inline const QStringList kStatusBoxes = {"lblDay",        "lblCupMenValue", "lblShoyuValue",
                                         "lblMoneyValue", "lblHahaHP",      "lblMusumeHP"};

inline QPushButton* actionButton(const QWidget& window, int index)
{
    return window.findChild<QPushButton*>(kActionButtons.at(index));
}

inline QStringList statusTexts(const QWidget& window)
{
    QStringList texts;
    for (const QString& name : kStatusBoxes)
        texts << window.findChild<QLabel*>(name)->text();
    return texts;
}

// A game is being played: its action buttons are enabled.
inline bool gamePlaying(const QWidget& window)
{
    return actionButton(window, 0)->isEnabled();
}
