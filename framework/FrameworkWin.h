// Framework layer: application, windows, commands, dialogs, controls, drawing, document/view.
#pragma once
// Drawing
#include "framework/CGdiObject.h"
#include "framework/CPen.h"
#include "framework/CBrush.h"
#include "framework/CFont.h"
#include "framework/CBitmap.h"
#include "framework/CRgn.h"
#include "framework/CPalette.h"
#include "framework/CDC.h"
#include "framework/CImageList.h"
