// VariantClear and the COM apartment calls.
#include "platform/win32.h"

namespace {
thread_local int com_initialisations = 0;
}  // namespace

extern "C" {

HRESULT VariantClear(VARIANT* variant) {
  if (variant == nullptr) return E_INVALIDARG;
  VARTYPE vt = variant->vt;
  if ((vt & VT_BYREF) == 0) {
    switch (vt & 0x0FFF) {
      case VT_BSTR:
        if ((vt & VT_ARRAY) == 0) SysFreeString(variant->bstrVal);
        break;
      case VT_UNKNOWN:
      case VT_DISPATCH:
        if ((vt & VT_ARRAY) == 0 && variant->punkVal != nullptr) variant->punkVal->Release();
        break;
      default:
        break;
    }
    // Arrays (SAFEARRAY) are not provided by this platform.
    if ((vt & VT_ARRAY) != 0) return DISP_E_BADVARTYPE;
  }
  variant->vt = VT_EMPTY;
  variant->llVal = 0;
  return S_OK;
}

HRESULT CoInitialize(LPVOID) { return com_initialisations++ == 0 ? S_OK : S_FALSE; }

void CoUninitialize() {
  if (com_initialisations > 0) --com_initialisations;
}

}  // extern "C"
