#pragma once
#include "design/selection/forms/Gefaessauswahlseite.h"
