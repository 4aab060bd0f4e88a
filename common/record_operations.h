// The DevMode and GetInfo operations on the private record, shared by both plug-ins; only the
// defaults and the publisher-info answer differ between them.
#pragma once

#include "common/oem_devmode.h"
#include "common/record_defaults.h"

// The body of IPrintOemCommon::DevMode: size, defaults, conversion and merge.
HRESULT RecordDevMode(DWORD mode, OEMDMPARAM* param, const RecordDefaults& defaults);

// Copies a signed input record over the output, or resets the output to the defaults when the
// input carries no signature. Either record may be missing; then nothing happens.
void ConvertRecord(const void* input, void* output, const RecordDefaults& defaults);

// How a plug-in answers GetInfo(OEMGI_GETPUBLISHERINFO).
enum class PublisherInfoAnswer {
    NotSupported,     // settings plug-in: needed 0, ERROR_NOT_SUPPORTED
    EightBytesNeeded  // render plug-in: needed 8, last error untouched
};

// The body of IPrintOemCommon::GetInfo: the record's signature and version.
HRESULT RecordGetInfo(DWORD kind, PVOID buffer, DWORD size, PDWORD needed, PublisherInfoAnswer publisherInfo);
