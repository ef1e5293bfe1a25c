#include "mainwindow/TDialogStampa.h"

TDialogStampa* DialogStampa = nullptr;
