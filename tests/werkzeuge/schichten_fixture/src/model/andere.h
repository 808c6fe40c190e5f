#pragma once
// #include "store/auskommentiert.h"
