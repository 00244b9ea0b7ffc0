#pragma once

#include <QString>

// Sets the damaged file at `yol` aside beside itself, under the first name no earlier copy has
// ("<path>.damaged-<date>-<time>", then the same with "-2" up to "-100"), and returns that
// name. A link is moved itself, so what it points to stays untouched and a later write makes a
// regular file in its place. When an earlier copy already holds the same bytes, the file is
// removed instead and that copy's name returned: a file found damaged at every start is kept
// once. Empty when the file could not be set aside; it then stays where it is.
QString BozukDosyayıKenaraKoy(const QString &yol);
