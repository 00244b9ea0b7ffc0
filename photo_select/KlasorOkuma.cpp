#include "KlasorOkuma.h"

#include <QFile>

#include <dirent.h>

bool KlasörOkunurMu(const QString &klasör)
{
    if (klasör.isEmpty())
        return false;
    DIR *açık = ::opendir(QFile::encodeName(klasör).constData());
    if (!açık)
        return false;
    ::closedir(açık);
    return true;
}
