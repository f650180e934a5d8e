#pragma once
#include "model/Board.h"
