#pragma once
#include "model/basis.h"
#include "morph/m.h"
#include <QSqlDatabase>
