#pragma once

#include <functional>

class QDialog;

// Ending the program at the system's request (a termination signal, the end of the session)
// while a box or dialog of the program may be open. The open boxes close as their Cancel, No or
// OK would, no box opens after that, and the program's own close runs once the last box has
// returned, so that the handler behind a box finishes first: a congratulation still resets the
// clock, the 24-hour notice still turns the clock back, before anything is saved.
namespace SistemKapanışı {

// Asks for the end: `kapat` runs at once when no box is open, else once none is. A request
// while a close is pending or done is ignored, so a second signal cannot cut the first close
// short. Before there is anything to close (the main window is not made yet), `kapat` is empty:
// the boxes still close and no box opens after that, and the first request with a close is
// taken as usual.
void İste(std::function<void()> kapat);

// True from the first request on.
bool İstendi();

// Forgets a request; each test case starts afresh.
void Unut();

}  // namespace SistemKapanışı

// Marks a box or dialog of the program (or another modal wait) as open while it lives, a test's
// fake box included, so that a pending close knows when none is.
class AçıkKutu {
public:
    AçıkKutu();
    ~AçıkKutu();
    AçıkKutu(const AçıkKutu &) = delete;
    AçıkKutu &operator=(const AçıkKutu &) = delete;

    // True while at least one box is open.
    static bool Var();
};

// Runs `iş` at once when no box is open, else once the last one has closed, so that what another
// start hands over never lands in the middle of a handler waiting on a box. Dropped once the
// system has asked for the end.
void KutularKapanınca(std::function<void()> iş);

// Runs a modal dialog and returns its result; once the system has asked for the end it does not
// open and reads as Cancel.
int ModalAç(QDialog &diyalog);
