#pragma once
#include "model/basis.h"
#include "../model/andere.h"
