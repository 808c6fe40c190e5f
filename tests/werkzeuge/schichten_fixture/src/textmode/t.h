#pragma once
#include "morph/m.h"
