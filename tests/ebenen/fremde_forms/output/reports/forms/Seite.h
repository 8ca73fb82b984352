#pragma once
#include "design/selection/forms/Form102.h"
