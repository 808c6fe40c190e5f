#include "app/a.h"
#include "model/basis.h"
#include <QWidget>
#include <QtWidgets/QLabel>
#include <QPainter>
#include "store/y.h"
