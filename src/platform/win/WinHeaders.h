// Windows with GDI+ and the spooler: the headers in the order GDI+ needs them, which the lean
// Windows header alone does not give.
#pragma once

#include <windows.h>
// windows.h first: GDI+ builds on its types.
#include <objidl.h>
// objidl.h before GDI+: its picture streams.
#include <gdiplus.h>
// The spooler's printers, which the lean Windows header leaves out.
#include <winspool.h>
// Its name for OpenPrinterW would rename the print platform's OpenPrinter.
#undef OpenPrinter
