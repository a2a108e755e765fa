#pragma once
#include "model/person.h"
