#pragma once
#include <QString>
#include "model/andere.h"
