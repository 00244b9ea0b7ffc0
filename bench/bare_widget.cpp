// The bare Qt widget program the start-up benchmark measures the game against: one empty window
// of the game's design size, or with one word on it (`bare-widget text`). It links Qt Widgets
// only, as any such program would.

#include "IlkBoyama.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    qAddPreRoutine(İlkBoyamadaBitir);
    QApplication uygulama(argc, argv);
    QWidget pencere;
    pencere.resize(634, 413);
    // Any window that shows a word loads the desktop's font database first; an empty one never does.
    if (argc > 1 && qstrcmp(argv[1], "text") == 0)
        (new QLabel(QStringLiteral("Completing Photo"), &pencere))->move(10, 10);
    pencere.show();
    return uygulama.exec();
}
