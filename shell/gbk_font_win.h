// Fonts named by GBK-encoded face names, as the skins' Chinese system faces
// are stored ("宋体" SimSun, "新宋体" NSimSun).
#pragma once

#include <windows.h>

// Creates the font whose face name is given in GBK bytes. The name is
// decoded from code page 936, so the face is found whatever the system's
// own code page is (the ANSI code page serves when 936 is not installed).
HFONT CreateGbkFaceFont(const char* gbkFace, int height, int width, int weight, BYTE family);

// The caption font of the skinned buttons: SimSun, weight 400, swiss family.
HFONT CreateCaptionFont(int height, int width);
