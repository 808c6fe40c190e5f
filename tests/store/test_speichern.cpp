#include "store/hilfen.h"
