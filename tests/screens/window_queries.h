#pragma once

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QTest>
#include <QWidget>

// How long a window may take to become active: a window manager on a busy
// machine may take its time.
constexpr int kActivationTimeoutMs = 30000;

// The windows of type T that are on screen now (closed ones may still await deletion).
template <typename T>
QList<T*> visibleWindows()
{
    QList<T*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* typed = qobject_cast<T*>(window); typed && typed->isVisible())
            found << typed;
    return found;
}

// Destroys the windows that closed themselves (deleteLater) since the last call.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
