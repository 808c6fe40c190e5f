#include "store/y.h"
#include <QTextStream>
#include "textmode/t.h"
  #  include <QtGui/QImage>
