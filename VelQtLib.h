#pragma once

// Everything a program needs to use the skinned-control library.
#include "framework/IVelQControlBase.h"
#include "framework/Library.h"
#include "framework/VelQControlBase.h"
#include "framework/VelQControlBaseImpl.h"
#include "theme/StyleTypes.h"
#include "theme/ThemeManager.h"
