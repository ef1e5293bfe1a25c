#include "mainwindow/TFStat.h"

TFStat* FStat = nullptr;
