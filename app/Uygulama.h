#pragma once

#include <QApplication>
#include <QIcon>

#include <memory>

// Creates the application object with the program's look. Without a usable display it prints
// one clear line to the standard error and returns nothing.
std::unique_ptr<QApplication> UygulamayıBaşlat(int &argc, char **argv);

// The program's icon, in every size it is drawn at.
QIcon ProgramSimgesi();
