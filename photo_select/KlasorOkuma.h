#pragma once

#include <QString>

// True when the folder's entries can be listed now. Permission bits alone cannot tell (root,
// access lists, capabilities, a volume gone away), so the folder is opened.
bool KlasörOkunurMu(const QString &klasör);
