#ifndef TESSCAPI_H
#define TESSCAPI_H

// The part of Tesseract's C interface the OCR engine calls, as function pointers resolved from
// the library at run time (the program has no link-time dependency on it).
#include <tesseract/capi.h>

struct TessCApi {
    decltype(&TessVersion) version = nullptr;
    decltype(&TessDeleteText) deleteText = nullptr;
    decltype(&TessBaseAPICreate) create = nullptr;
    decltype(&TessBaseAPIDelete) destroy = nullptr;
    decltype(&TessBaseAPIInit3) init = nullptr;
    decltype(&TessBaseAPIEnd) end = nullptr;
    decltype(&TessBaseAPISetPageSegMode) setPageSegMode = nullptr;
    decltype(&TessBaseAPISetImage) setImage = nullptr;
    decltype(&TessBaseAPISetSourceResolution) setSourceResolution = nullptr;
    decltype(&TessBaseAPISetInputName) setInputName = nullptr;
    decltype(&TessBaseAPIRecognize) recognize = nullptr;
    decltype(&TessBaseAPIGetUTF8Text) utf8Text = nullptr;
    decltype(&TessBaseAPIGetIterator) iterator = nullptr;
    decltype(&TessResultIteratorDelete) iteratorDelete = nullptr;
    decltype(&TessResultIteratorNext) iteratorNext = nullptr;
    decltype(&TessResultIteratorGetUTF8Text) iteratorText = nullptr;
    decltype(&TessMonitorCreate) monitorCreate = nullptr;
    decltype(&TessMonitorDelete) monitorDelete = nullptr;
    decltype(&TessMonitorSetCancelFunc) monitorSetCancelFunc = nullptr;
    decltype(&TessMonitorSetCancelThis) monitorSetCancelThis = nullptr;
    decltype(&TessPDFRendererCreate) pdfRendererCreate = nullptr;
    decltype(&TessResultRendererBeginDocument) rendererBegin = nullptr;
    decltype(&TessResultRendererAddImage) rendererAddImage = nullptr;
    decltype(&TessResultRendererEndDocument) rendererEnd = nullptr;
    decltype(&TessDeleteResultRenderer) rendererDelete = nullptr;
};

#endif  // TESSCAPI_H
