// The caption font of the skinned buttons: the Chinese system face
// "SimSun" under its GBK name, weight 400, swiss family.
#pragma once

#include <windows.h>

HFONT CreateCaptionFont(int height, int width);
