#pragma once

// Everything a program needs to use the skinned-control library.
#include "controls/VelQImage.h"
#include "controls/VelQPushButton.h"
#include "controls/VelQScrollBar.h"
#include "framework/AttrReader.h"
#include "framework/ControlFactory.h"
#include "framework/IVelQControlBase.h"
#include "framework/Library.h"
#include "framework/ScrollBarChild.h"
#include "framework/StyleSlots.h"
#include "framework/UiLoader.h"
#include "framework/VelQControl.h"
#include "framework/VelQControlBase.h"
#include "framework/VelQControlBaseImpl.h"
#include "framework/VelQWindow.h"
#include "theme/StyleTypes.h"
#include "theme/ThemeManager.h"
