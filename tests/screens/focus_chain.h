#pragma once

#include <QWidget>

// The next control that Tab moves to (labels sit in the chain but take no focus).
inline QWidget* nextTabStop(QWidget* widget)
{
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}
