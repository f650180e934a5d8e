#include "widgets/Page.h"
