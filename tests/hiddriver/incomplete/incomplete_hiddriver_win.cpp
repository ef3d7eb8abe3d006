// A hiddriver.dll that lacks WriteUSB. The link must refuse it whole: any
// call into it ends the test program at once.
#include <windows.h>

#include <cstdlib>

extern "C" {
__declspec(dllexport) int Set_VIDPID(int, int) { std::abort(); }
__declspec(dllexport) int Open_DevMonitor(HWND, UINT, UINT) { std::abort(); }
__declspec(dllexport) int Close_DevMonitor() { std::abort(); }
__declspec(dllexport) int Open_FeatureDevice() { std::abort(); }
__declspec(dllexport) int Close_FeatureDevice() { std::abort(); }
__declspec(dllexport) int Open_ReportDevice() { std::abort(); }
__declspec(dllexport) int Close_ReportDevice() { std::abort(); }
__declspec(dllexport) int SetFeature(unsigned char*, int) { std::abort(); }
__declspec(dllexport) int GetFeature(unsigned char*, int) { std::abort(); }
__declspec(dllexport) int ReadUSB(unsigned char*, int) { std::abort(); }
}
