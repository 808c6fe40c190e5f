#pragma once
#include "basis.h"
#include "store/y.h"
