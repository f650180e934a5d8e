#include "io/Reader.h"
#include <QImage>
