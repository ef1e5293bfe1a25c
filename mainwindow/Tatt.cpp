#include "mainwindow/Tatt.h"

Tatt* att = nullptr;
