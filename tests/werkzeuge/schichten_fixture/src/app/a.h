#pragma once
#include "render/r.h"
#include "textmode/t.h"
#include "store/y.h"
