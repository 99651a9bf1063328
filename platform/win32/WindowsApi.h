// The Windows API for the platform layer and its tests: windows.h and the shell's header, without the
// macros that would rename functions of our interface (DeleteFile to DeleteFileW, TextOut to TextOutW and
// so on); code that means the system's function names its W form.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// (needs windows.h first)
#include <shellapi.h>

#undef DeleteFile
#undef RemoveDirectory
#undef FindExecutable
#undef GetPrivateProfileString
#undef GetTempFileName
#undef GetTempPath
#undef ShellExecute
#undef CreateFont
#undef TextOut
#undef GetTextMetrics
#undef WritePrivateProfileString
