#pragma once
#include "design/cooling/forms/Form201.h"
