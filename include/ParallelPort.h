/* ParallelPort.dll: the interfaces a host compiles against.
 *
 * GetParallelPortManager (stdcall, exported undecorated) hands out the manager. Every operation
 * is stdcall with the interface pointer first, returns S_OK (0) or E_UNEXPECTED (0x8000FFFF),
 * and passes its value back through its last parameter. Booleans are one byte (0 = false, any
 * other value = true); a BYTE or WORD in-parameter still occupies a 32-bit stack slot.
 * The manager and port objects are owned by the library: AddRef and Release return 1 and never
 * free them, and a port must not be used after the manager's Stop. List and info objects are
 * reference-counted as usual. After a failure GetErrorInfo on the same thread tells source and
 * message of the error the library raised.
 *
 * Usable from C (lpVtbl structs, operation slots in order) and C++ (abstract classes).
 */
#ifndef PARALLELPORT_H
#define PARALLELPORT_H

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#ifdef __cplusplus
extern "C" {
#endif

/* {A0DFD238-A541-4A24-A4DF-AB303DADEB8D} */
static const IID IID_IParallelPort = {0xA0DFD238, 0xA541, 0x4A24, {0xA4, 0xDF, 0xAB, 0x30, 0x3D, 0xAD, 0xEB, 0x8D}};
/* {C70A950B-4346-403E-A00B-DD8096F66119} */
static const IID IID_IParallelPortInfo = {0xC70A950B, 0x4346, 0x403E, {0xA0, 0x0B, 0xDD, 0x80, 0x96, 0xF6, 0x61, 0x19}};
/* {EFF593AE-F0D0-40CC-98D1-4F1B8F8614D3} */
static const IID IID_IParallelPortList = {0xEFF593AE, 0xF0D0, 0x40CC, {0x98, 0xD1, 0x4F, 0x1B, 0x8F, 0x86, 0x14, 0xD3}};
/* {FDDF27A8-3727-4499-A58F-E723ADBD2E07} */
static const IID IID_IParallelPortManager = {0xFDDF27A8, 0x3727, 0x4499, {0xA5, 0x8F, 0xE7, 0x23, 0xAD, 0xBD, 0x2E, 0x07}};

#ifdef __cplusplus
}

struct IParallelPort;
struct IParallelPortInfo;
struct IParallelPortList;
struct IParallelPortManager;

struct IParallelPort : public IUnknown {
  /*  3 */ virtual HRESULT STDMETHODCALLTYPE PulseInitialize() = 0;
  /*  4 */ virtual HRESULT STDMETHODCALLTYPE ProbePort(BYTE *Present) = 0;
  /*  5 */ virtual HRESULT STDMETHODCALLTYPE IsPortActive(BYTE *Active) = 0;
  /*  6 */ virtual HRESULT STDMETHODCALLTYPE GetLastData(BYTE *Value) = 0;
  /*  7 */ virtual HRESULT STDMETHODCALLTYPE GetLastControl(BYTE *Value) = 0;
  /*  8 */ virtual HRESULT STDMETHODCALLTYPE ShowStatusDialog(BYTE *Accepted) = 0;
  /*  9 */ virtual HRESULT STDMETHODCALLTYPE GetBaseAddress(WORD *Value) = 0;
  /* 10 */ virtual HRESULT STDMETHODCALLTYPE GetControlAddress(WORD *Value) = 0;
  /* 11 */ virtual HRESULT STDMETHODCALLTYPE GetDataAddress(WORD *Value) = 0;
  /* 12 */ virtual HRESULT STDMETHODCALLTYPE GetStatusAddress(WORD *Value) = 0;
  /* 13 */ virtual HRESULT STDMETHODCALLTYPE GetBusy(BYTE *Value) = 0;
  /* 14 */ virtual HRESULT STDMETHODCALLTYPE GetAck(BYTE *Value) = 0;
  /* 15 */ virtual HRESULT STDMETHODCALLTYPE GetPaperOut(BYTE *Value) = 0;
  /* 16 */ virtual HRESULT STDMETHODCALLTYPE GetSelectIn(BYTE *Value) = 0;
  /* 17 */ virtual HRESULT STDMETHODCALLTYPE GetError(BYTE *Value) = 0;
  /* 18 */ virtual HRESULT STDMETHODCALLTYPE GetIrq(BYTE *Value) = 0;
  /* 19 */ virtual HRESULT STDMETHODCALLTYPE GetReserved1(BYTE *Value) = 0;
  /* 20 */ virtual HRESULT STDMETHODCALLTYPE GetReserved2(BYTE *Value) = 0;
  /* 21 */ virtual HRESULT STDMETHODCALLTYPE GetUnused1(BYTE *Value) = 0;
  /* 22 */ virtual HRESULT STDMETHODCALLTYPE GetUnused2(BYTE *Value) = 0;
  /* 23 */ virtual HRESULT STDMETHODCALLTYPE GetBidirectional(BYTE *Value) = 0;
  /* 24 */ virtual HRESULT STDMETHODCALLTYPE GetIrqViaAck(BYTE *Value) = 0;
  /* 25 */ virtual HRESULT STDMETHODCALLTYPE GetSelectPrinter(BYTE *Value) = 0;
  /* 26 */ virtual HRESULT STDMETHODCALLTYPE GetInitializePrinter(BYTE *Value) = 0;
  /* 27 */ virtual HRESULT STDMETHODCALLTYPE GetAutoLineFeed(BYTE *Value) = 0;
  /* 28 */ virtual HRESULT STDMETHODCALLTYPE GetStrobe(BYTE *Value) = 0;
  /* 29 */ virtual HRESULT STDMETHODCALLTYPE GetD0(BYTE *Value) = 0;
  /* 30 */ virtual HRESULT STDMETHODCALLTYPE GetD1(BYTE *Value) = 0;
  /* 31 */ virtual HRESULT STDMETHODCALLTYPE GetD2(BYTE *Value) = 0;
  /* 32 */ virtual HRESULT STDMETHODCALLTYPE GetD3(BYTE *Value) = 0;
  /* 33 */ virtual HRESULT STDMETHODCALLTYPE GetD4(BYTE *Value) = 0;
  /* 34 */ virtual HRESULT STDMETHODCALLTYPE GetD5(BYTE *Value) = 0;
  /* 35 */ virtual HRESULT STDMETHODCALLTYPE GetD6(BYTE *Value) = 0;
  /* 36 */ virtual HRESULT STDMETHODCALLTYPE GetD7(BYTE *Value) = 0;
  /* 37 */ virtual HRESULT STDMETHODCALLTYPE ComposeData(BYTE *Value) = 0;
  /* 38 */ virtual HRESULT STDMETHODCALLTYPE ComposeControl(BYTE *Value) = 0;
  /* 39 */ virtual HRESULT STDMETHODCALLTYPE ComposeStatus(BYTE *Value) = 0;
  /* 40 */ virtual HRESULT STDMETHODCALLTYPE SetBusy(BYTE Value) = 0;
  /* 41 */ virtual HRESULT STDMETHODCALLTYPE SetAck(BYTE Value) = 0;
  /* 42 */ virtual HRESULT STDMETHODCALLTYPE SetPaperOut(BYTE Value) = 0;
  /* 43 */ virtual HRESULT STDMETHODCALLTYPE SetSelectIn(BYTE Value) = 0;
  /* 44 */ virtual HRESULT STDMETHODCALLTYPE SetError(BYTE Value) = 0;
  /* 45 */ virtual HRESULT STDMETHODCALLTYPE SetIrq(BYTE Value) = 0;
  /* 46 */ virtual HRESULT STDMETHODCALLTYPE SetReserved1(BYTE Value) = 0;
  /* 47 */ virtual HRESULT STDMETHODCALLTYPE SetReserved2(BYTE Value) = 0;
  /* 48 */ virtual HRESULT STDMETHODCALLTYPE SetUnused1(BYTE Value) = 0;
  /* 49 */ virtual HRESULT STDMETHODCALLTYPE SetUnused2(BYTE Value) = 0;
  /* 50 */ virtual HRESULT STDMETHODCALLTYPE SetBidirectional(BYTE Value) = 0;
  /* 51 */ virtual HRESULT STDMETHODCALLTYPE SetIrqViaAck(BYTE Value) = 0;
  /* 52 */ virtual HRESULT STDMETHODCALLTYPE SetSelectPrinter(BYTE Value) = 0;
  /* 53 */ virtual HRESULT STDMETHODCALLTYPE SetInitializePrinter(BYTE Value) = 0;
  /* 54 */ virtual HRESULT STDMETHODCALLTYPE SetAutoLineFeed(BYTE Value) = 0;
  /* 55 */ virtual HRESULT STDMETHODCALLTYPE SetStrobe(BYTE Value) = 0;
  /* 56 */ virtual HRESULT STDMETHODCALLTYPE SetD0(BYTE Value) = 0;
  /* 57 */ virtual HRESULT STDMETHODCALLTYPE SetD1(BYTE Value) = 0;
  /* 58 */ virtual HRESULT STDMETHODCALLTYPE SetD2(BYTE Value) = 0;
  /* 59 */ virtual HRESULT STDMETHODCALLTYPE SetD3(BYTE Value) = 0;
  /* 60 */ virtual HRESULT STDMETHODCALLTYPE SetD4(BYTE Value) = 0;
  /* 61 */ virtual HRESULT STDMETHODCALLTYPE SetD5(BYTE Value) = 0;
  /* 62 */ virtual HRESULT STDMETHODCALLTYPE SetD6(BYTE Value) = 0;
  /* 63 */ virtual HRESULT STDMETHODCALLTYPE SetD7(BYTE Value) = 0;
  /* 64 */ virtual HRESULT STDMETHODCALLTYPE SetBaseAddress(WORD Value) = 0;
  /* 65 */ virtual HRESULT STDMETHODCALLTYPE WriteDataByte(BYTE Value) = 0;
  /* 66 */ virtual HRESULT STDMETHODCALLTYPE WriteData() = 0;
  /* 67 */ virtual HRESULT STDMETHODCALLTYPE WriteControlMasked(BYTE Value, BYTE Mask) = 0;
  /* 68 */ virtual HRESULT STDMETHODCALLTYPE WriteControl() = 0;
  /* 69 */ virtual HRESULT STDMETHODCALLTYPE ReadData() = 0;
  /* 70 */ virtual HRESULT STDMETHODCALLTYPE ReadStatus() = 0;
  /* 71 */ virtual HRESULT STDMETHODCALLTYPE ReadControl() = 0;
};

struct IParallelPortInfo : public IUnknown {
  /*  3 */ virtual HRESULT STDMETHODCALLTYPE GetIoStart(LONG *Value) = 0;
  /*  4 */ virtual HRESULT STDMETHODCALLTYPE GetIoEnd(LONG *Value) = 0;
  /*  5 */ virtual HRESULT STDMETHODCALLTYPE GetName(BSTR *Name) = 0;
};

struct IParallelPortList : public IUnknown {
  /*  3 */ virtual HRESULT STDMETHODCALLTYPE GetCount(LONG *Count) = 0;
  /*  4 */ virtual HRESULT STDMETHODCALLTYPE GetItem(LONG Index, IParallelPortInfo **Item) = 0;
};

struct IParallelPortManager : public IUnknown {
  /*  3 */ virtual HRESULT STDMETHODCALLTYPE Start(BYTE *Available) = 0;
  /*  4 */ virtual HRESULT STDMETHODCALLTYPE Stop() = 0;
  /*  5 */ virtual HRESULT STDMETHODCALLTYPE GetActivePort(IParallelPort **Port) = 0;
  /*  6 */ virtual HRESULT STDMETHODCALLTYPE GetFirstPort(IParallelPort **Port) = 0;
  /*  7 */ virtual HRESULT STDMETHODCALLTYPE GetDefaultPort(IParallelPort **Port) = 0;
  /*  8 */ virtual HRESULT STDMETHODCALLTYPE GetPortCount(LONG *Count) = 0;
  /*  9 */ virtual HRESULT STDMETHODCALLTYPE GetPort(LONG Index, IParallelPort **Port) = 0;
};

extern "C" HRESULT WINAPI GetParallelPortManager(IParallelPortManager **Manager);

#else /* C */

typedef struct IParallelPort IParallelPort;
typedef struct IParallelPortInfo IParallelPortInfo;
typedef struct IParallelPortList IParallelPortList;
typedef struct IParallelPortManager IParallelPortManager;

typedef struct IParallelPortVtbl {
  /*  0 */ HRESULT (STDMETHODCALLTYPE *QueryInterface)(IParallelPort *This, REFIID riid, void **ppvObject);
  /*  1 */ ULONG (STDMETHODCALLTYPE *AddRef)(IParallelPort *This);
  /*  2 */ ULONG (STDMETHODCALLTYPE *Release)(IParallelPort *This);
  /*  3 */ HRESULT (STDMETHODCALLTYPE *PulseInitialize)(IParallelPort *This);
  /*  4 */ HRESULT (STDMETHODCALLTYPE *ProbePort)(IParallelPort *This, BYTE *Present);
  /*  5 */ HRESULT (STDMETHODCALLTYPE *IsPortActive)(IParallelPort *This, BYTE *Active);
  /*  6 */ HRESULT (STDMETHODCALLTYPE *GetLastData)(IParallelPort *This, BYTE *Value);
  /*  7 */ HRESULT (STDMETHODCALLTYPE *GetLastControl)(IParallelPort *This, BYTE *Value);
  /*  8 */ HRESULT (STDMETHODCALLTYPE *ShowStatusDialog)(IParallelPort *This, BYTE *Accepted);
  /*  9 */ HRESULT (STDMETHODCALLTYPE *GetBaseAddress)(IParallelPort *This, WORD *Value);
  /* 10 */ HRESULT (STDMETHODCALLTYPE *GetControlAddress)(IParallelPort *This, WORD *Value);
  /* 11 */ HRESULT (STDMETHODCALLTYPE *GetDataAddress)(IParallelPort *This, WORD *Value);
  /* 12 */ HRESULT (STDMETHODCALLTYPE *GetStatusAddress)(IParallelPort *This, WORD *Value);
  /* 13 */ HRESULT (STDMETHODCALLTYPE *GetBusy)(IParallelPort *This, BYTE *Value);
  /* 14 */ HRESULT (STDMETHODCALLTYPE *GetAck)(IParallelPort *This, BYTE *Value);
  /* 15 */ HRESULT (STDMETHODCALLTYPE *GetPaperOut)(IParallelPort *This, BYTE *Value);
  /* 16 */ HRESULT (STDMETHODCALLTYPE *GetSelectIn)(IParallelPort *This, BYTE *Value);
  /* 17 */ HRESULT (STDMETHODCALLTYPE *GetError)(IParallelPort *This, BYTE *Value);
  /* 18 */ HRESULT (STDMETHODCALLTYPE *GetIrq)(IParallelPort *This, BYTE *Value);
  /* 19 */ HRESULT (STDMETHODCALLTYPE *GetReserved1)(IParallelPort *This, BYTE *Value);
  /* 20 */ HRESULT (STDMETHODCALLTYPE *GetReserved2)(IParallelPort *This, BYTE *Value);
  /* 21 */ HRESULT (STDMETHODCALLTYPE *GetUnused1)(IParallelPort *This, BYTE *Value);
  /* 22 */ HRESULT (STDMETHODCALLTYPE *GetUnused2)(IParallelPort *This, BYTE *Value);
  /* 23 */ HRESULT (STDMETHODCALLTYPE *GetBidirectional)(IParallelPort *This, BYTE *Value);
  /* 24 */ HRESULT (STDMETHODCALLTYPE *GetIrqViaAck)(IParallelPort *This, BYTE *Value);
  /* 25 */ HRESULT (STDMETHODCALLTYPE *GetSelectPrinter)(IParallelPort *This, BYTE *Value);
  /* 26 */ HRESULT (STDMETHODCALLTYPE *GetInitializePrinter)(IParallelPort *This, BYTE *Value);
  /* 27 */ HRESULT (STDMETHODCALLTYPE *GetAutoLineFeed)(IParallelPort *This, BYTE *Value);
  /* 28 */ HRESULT (STDMETHODCALLTYPE *GetStrobe)(IParallelPort *This, BYTE *Value);
  /* 29 */ HRESULT (STDMETHODCALLTYPE *GetD0)(IParallelPort *This, BYTE *Value);
  /* 30 */ HRESULT (STDMETHODCALLTYPE *GetD1)(IParallelPort *This, BYTE *Value);
  /* 31 */ HRESULT (STDMETHODCALLTYPE *GetD2)(IParallelPort *This, BYTE *Value);
  /* 32 */ HRESULT (STDMETHODCALLTYPE *GetD3)(IParallelPort *This, BYTE *Value);
  /* 33 */ HRESULT (STDMETHODCALLTYPE *GetD4)(IParallelPort *This, BYTE *Value);
  /* 34 */ HRESULT (STDMETHODCALLTYPE *GetD5)(IParallelPort *This, BYTE *Value);
  /* 35 */ HRESULT (STDMETHODCALLTYPE *GetD6)(IParallelPort *This, BYTE *Value);
  /* 36 */ HRESULT (STDMETHODCALLTYPE *GetD7)(IParallelPort *This, BYTE *Value);
  /* 37 */ HRESULT (STDMETHODCALLTYPE *ComposeData)(IParallelPort *This, BYTE *Value);
  /* 38 */ HRESULT (STDMETHODCALLTYPE *ComposeControl)(IParallelPort *This, BYTE *Value);
  /* 39 */ HRESULT (STDMETHODCALLTYPE *ComposeStatus)(IParallelPort *This, BYTE *Value);
  /* 40 */ HRESULT (STDMETHODCALLTYPE *SetBusy)(IParallelPort *This, BYTE Value);
  /* 41 */ HRESULT (STDMETHODCALLTYPE *SetAck)(IParallelPort *This, BYTE Value);
  /* 42 */ HRESULT (STDMETHODCALLTYPE *SetPaperOut)(IParallelPort *This, BYTE Value);
  /* 43 */ HRESULT (STDMETHODCALLTYPE *SetSelectIn)(IParallelPort *This, BYTE Value);
  /* 44 */ HRESULT (STDMETHODCALLTYPE *SetError)(IParallelPort *This, BYTE Value);
  /* 45 */ HRESULT (STDMETHODCALLTYPE *SetIrq)(IParallelPort *This, BYTE Value);
  /* 46 */ HRESULT (STDMETHODCALLTYPE *SetReserved1)(IParallelPort *This, BYTE Value);
  /* 47 */ HRESULT (STDMETHODCALLTYPE *SetReserved2)(IParallelPort *This, BYTE Value);
  /* 48 */ HRESULT (STDMETHODCALLTYPE *SetUnused1)(IParallelPort *This, BYTE Value);
  /* 49 */ HRESULT (STDMETHODCALLTYPE *SetUnused2)(IParallelPort *This, BYTE Value);
  /* 50 */ HRESULT (STDMETHODCALLTYPE *SetBidirectional)(IParallelPort *This, BYTE Value);
  /* 51 */ HRESULT (STDMETHODCALLTYPE *SetIrqViaAck)(IParallelPort *This, BYTE Value);
  /* 52 */ HRESULT (STDMETHODCALLTYPE *SetSelectPrinter)(IParallelPort *This, BYTE Value);
  /* 53 */ HRESULT (STDMETHODCALLTYPE *SetInitializePrinter)(IParallelPort *This, BYTE Value);
  /* 54 */ HRESULT (STDMETHODCALLTYPE *SetAutoLineFeed)(IParallelPort *This, BYTE Value);
  /* 55 */ HRESULT (STDMETHODCALLTYPE *SetStrobe)(IParallelPort *This, BYTE Value);
  /* 56 */ HRESULT (STDMETHODCALLTYPE *SetD0)(IParallelPort *This, BYTE Value);
  /* 57 */ HRESULT (STDMETHODCALLTYPE *SetD1)(IParallelPort *This, BYTE Value);
  /* 58 */ HRESULT (STDMETHODCALLTYPE *SetD2)(IParallelPort *This, BYTE Value);
  /* 59 */ HRESULT (STDMETHODCALLTYPE *SetD3)(IParallelPort *This, BYTE Value);
  /* 60 */ HRESULT (STDMETHODCALLTYPE *SetD4)(IParallelPort *This, BYTE Value);
  /* 61 */ HRESULT (STDMETHODCALLTYPE *SetD5)(IParallelPort *This, BYTE Value);
  /* 62 */ HRESULT (STDMETHODCALLTYPE *SetD6)(IParallelPort *This, BYTE Value);
  /* 63 */ HRESULT (STDMETHODCALLTYPE *SetD7)(IParallelPort *This, BYTE Value);
  /* 64 */ HRESULT (STDMETHODCALLTYPE *SetBaseAddress)(IParallelPort *This, WORD Value);
  /* 65 */ HRESULT (STDMETHODCALLTYPE *WriteDataByte)(IParallelPort *This, BYTE Value);
  /* 66 */ HRESULT (STDMETHODCALLTYPE *WriteData)(IParallelPort *This);
  /* 67 */ HRESULT (STDMETHODCALLTYPE *WriteControlMasked)(IParallelPort *This, BYTE Value, BYTE Mask);
  /* 68 */ HRESULT (STDMETHODCALLTYPE *WriteControl)(IParallelPort *This);
  /* 69 */ HRESULT (STDMETHODCALLTYPE *ReadData)(IParallelPort *This);
  /* 70 */ HRESULT (STDMETHODCALLTYPE *ReadStatus)(IParallelPort *This);
  /* 71 */ HRESULT (STDMETHODCALLTYPE *ReadControl)(IParallelPort *This);
} IParallelPortVtbl;
struct IParallelPort { const struct IParallelPortVtbl *lpVtbl; };

typedef struct IParallelPortInfoVtbl {
  /*  0 */ HRESULT (STDMETHODCALLTYPE *QueryInterface)(IParallelPortInfo *This, REFIID riid, void **ppvObject);
  /*  1 */ ULONG (STDMETHODCALLTYPE *AddRef)(IParallelPortInfo *This);
  /*  2 */ ULONG (STDMETHODCALLTYPE *Release)(IParallelPortInfo *This);
  /*  3 */ HRESULT (STDMETHODCALLTYPE *GetIoStart)(IParallelPortInfo *This, LONG *Value);
  /*  4 */ HRESULT (STDMETHODCALLTYPE *GetIoEnd)(IParallelPortInfo *This, LONG *Value);
  /*  5 */ HRESULT (STDMETHODCALLTYPE *GetName)(IParallelPortInfo *This, BSTR *Name);
} IParallelPortInfoVtbl;
struct IParallelPortInfo { const struct IParallelPortInfoVtbl *lpVtbl; };

typedef struct IParallelPortListVtbl {
  /*  0 */ HRESULT (STDMETHODCALLTYPE *QueryInterface)(IParallelPortList *This, REFIID riid, void **ppvObject);
  /*  1 */ ULONG (STDMETHODCALLTYPE *AddRef)(IParallelPortList *This);
  /*  2 */ ULONG (STDMETHODCALLTYPE *Release)(IParallelPortList *This);
  /*  3 */ HRESULT (STDMETHODCALLTYPE *GetCount)(IParallelPortList *This, LONG *Count);
  /*  4 */ HRESULT (STDMETHODCALLTYPE *GetItem)(IParallelPortList *This, LONG Index, IParallelPortInfo **Item);
} IParallelPortListVtbl;
struct IParallelPortList { const struct IParallelPortListVtbl *lpVtbl; };

typedef struct IParallelPortManagerVtbl {
  /*  0 */ HRESULT (STDMETHODCALLTYPE *QueryInterface)(IParallelPortManager *This, REFIID riid, void **ppvObject);
  /*  1 */ ULONG (STDMETHODCALLTYPE *AddRef)(IParallelPortManager *This);
  /*  2 */ ULONG (STDMETHODCALLTYPE *Release)(IParallelPortManager *This);
  /*  3 */ HRESULT (STDMETHODCALLTYPE *Start)(IParallelPortManager *This, BYTE *Available);
  /*  4 */ HRESULT (STDMETHODCALLTYPE *Stop)(IParallelPortManager *This);
  /*  5 */ HRESULT (STDMETHODCALLTYPE *GetActivePort)(IParallelPortManager *This, IParallelPort **Port);
  /*  6 */ HRESULT (STDMETHODCALLTYPE *GetFirstPort)(IParallelPortManager *This, IParallelPort **Port);
  /*  7 */ HRESULT (STDMETHODCALLTYPE *GetDefaultPort)(IParallelPortManager *This, IParallelPort **Port);
  /*  8 */ HRESULT (STDMETHODCALLTYPE *GetPortCount)(IParallelPortManager *This, LONG *Count);
  /*  9 */ HRESULT (STDMETHODCALLTYPE *GetPort)(IParallelPortManager *This, LONG Index, IParallelPort **Port);
} IParallelPortManagerVtbl;
struct IParallelPortManager { const struct IParallelPortManagerVtbl *lpVtbl; };

HRESULT WINAPI GetParallelPortManager(IParallelPortManager **Manager);

#endif /* __cplusplus */

typedef HRESULT(WINAPI *PFN_GetParallelPortManager)(IParallelPortManager **Manager);

#endif /* PARALLELPORT_H */
