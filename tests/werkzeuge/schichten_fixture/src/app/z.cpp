#include "app/a.h"
#include <QWidget>
#include "ui/fenster.h"
#include "store/y.h"
