#pragma once
#include "io/Reader.h"
#include "model/Fine.h"
