#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

// Mouse events sent the way the application delivers them: to the widget under the pointer,
// from where an unhandled one travels on to its parents.
inline void Fare(QWidget *hedef, QEvent::Type tür, QPoint yer, Qt::MouseButtons düğmeler = Qt::NoButton,
                 Qt::KeyboardModifiers tuşlar = Qt::NoModifier)
{
    const Qt::MouseButton düğme = tür == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent olay(tür, yer, hedef->mapToGlobal(yer), düğme, düğmeler, tuşlar);
    QCoreApplication::sendEvent(hedef, &olay);
}

inline void Tıkla(QWidget *hedef, QPoint yer)
{
    Fare(hedef, QEvent::MouseButtonPress, yer, Qt::LeftButton);
    Fare(hedef, QEvent::MouseButtonRelease, yer);
}
