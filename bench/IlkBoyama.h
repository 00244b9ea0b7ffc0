#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QThreadPool>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

// Ends the process once the first top-level window has been painted, printing "painted", the peak
// memory (KiB) and the CPU time (ms) spent by then. The first paint event starts the frame; the
// event posted then, ahead of all others, comes when the whole frame is painted and shown.
// Installed before the application object is made: `qAddPreRoutine(İlkBoyamadaBitir)`.
inline void İlkBoyamadaBitir()
{
    class İlkBoyama : public QObject {
    public:
        bool event(QEvent *olay) override
        {
            if (olay->type() != QEvent::User)
                return QObject::event(olay);
            rusage kullanım{};
            getrusage(RUSAGE_SELF, &kullanım);
            const auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
            std::printf("painted %ld %.2f\n", kullanım.ru_maxrss, ms(kullanım.ru_utime) + ms(kullanım.ru_stime));
            std::fflush(stdout);
            // What the start left to a worker thread (the photo's working image kept for the next
            // start) is finished, as it would be in a game that goes on running.
            QThreadPool::globalInstance()->waitForDone();
            std::_Exit(0);
        }

    protected:
        bool eventFilter(QObject *nesne, QEvent *olay) override
        {
            if (olay->type() == QEvent::Paint && nesne->isWidgetType() && static_cast<QWidget *>(nesne)->isWindow()) {
                QCoreApplication::instance()->removeEventFilter(this);
                QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
            }
            return false;
        }
    };
    QCoreApplication::instance()->installEventFilter(new İlkBoyama);
}
