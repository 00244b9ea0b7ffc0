#pragma once

#include "DesenTablosu.h"

#include <QByteArray>

#include <atomic>

// The tables of every group of the partition, built from nothing (one group a thread, the
// groups shared out among the cores) and laid out as a table file: the bytes DesenDosyası
// reads. Empty when `dur` was set first. The 4 x 4 groups of seven take some 40 s of one core
// and 370 MB each while they are built.
QByteArray DesenDosyasıKur(int n, const DesenBölümü &bölüm, const std::atomic<bool> &dur);
