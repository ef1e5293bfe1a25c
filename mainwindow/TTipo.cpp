#include "mainwindow/TTipo.h"

TTipo* Tipo = nullptr;
