// The whole framework layer: include this where the application or the library needs the framework.
#pragma once
#include "framework/FrameworkCore.h"
#include "framework/FrameworkWin.h"
#include "framework/FrameworkDb.h"
