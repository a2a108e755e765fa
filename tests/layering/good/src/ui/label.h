#pragma once
#include "model/person.h"
#include <QWidget>
