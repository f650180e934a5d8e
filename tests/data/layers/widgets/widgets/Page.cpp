#include "render/Picture.h"
#include <QWidget>
