#pragma once
#include <QImage>
#include <QWidget>
