#include "mainwindow/TFRinumera.h"

TFRinumera* FRinumera = nullptr;
