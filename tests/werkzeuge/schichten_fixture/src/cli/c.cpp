#include "app/a.h"
#include "store/y.h"
#include <QCoreApplication>
#include "ui/fenster.h"
#include <QTextDocument>
