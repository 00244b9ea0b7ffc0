#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QThreadPool>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

// The CPU time the process had spent, in milliseconds, by the time of `kullanım`.
inline double İşlemciSüresi(const rusage &kullanım)
{
    const auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(kullanım.ru_utime) + ms(kullanım.ru_stime);
}

inline rusage Kullanım()
{
    rusage kullanım{};
    getrusage(RUSAGE_SELF, &kullanım);
    return kullanım;
}

// Ends the process once the first top-level window has been painted, printing "painted", the peak
// memory (KiB), and the CPU time (ms) spent when the frame began (its first paint event) and when
// it was painted and shown (the event posted then, ahead of all others).
// Installed before the application object is made: `qAddPreRoutine(İlkBoyamadaBitir)`.
inline void İlkBoyamadaBitir()
{
    class İlkBoyama : public QObject {
    public:
        bool event(QEvent *olay) override
        {
            if (olay->type() != QEvent::User)
                return QObject::event(olay);
            const rusage kullanım = Kullanım();
            std::printf("painted %ld %.2f %.2f\n", kullanım.ru_maxrss, başladı, İşlemciSüresi(kullanım));
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
                başladı = İşlemciSüresi(Kullanım());
                QCoreApplication::instance()->removeEventFilter(this);
                QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
            }
            return false;
        }

    private:
        double başladı = 0;
    };
    QCoreApplication::instance()->installEventFilter(new İlkBoyama);
}
