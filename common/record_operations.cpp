// DevMode and GetInfo on the private record.
#include "common/record_operations.h"

#include <algorithm>
#include <cstring>

namespace {

DWORD ReadDword(const void* record, std::size_t offset) {
    DWORD value;
    std::memcpy(&value, static_cast<const BYTE*>(record) + offset, sizeof value);
    return value;
}

void WriteDword(void* record, std::size_t offset, DWORD value) {
    std::memcpy(static_cast<BYTE*>(record) + offset, &value, sizeof value);
}

void StampHeader(void* record) {
    WriteDword(record, offsetof(OemDevmode, Size), kOemDevmodeSize);
    WriteDword(record, offsetof(OemDevmode, Signature), kOemDevmodeSignature);
    WriteDword(record, offsetof(OemDevmode, Version), kOemDevmodeVersion);
}

}  // namespace

void ConvertRecord(const void* input, void* output, const RecordDefaults& defaults) {
    if (input == nullptr || output == nullptr) return;
    if (ReadDword(input, offsetof(OemDevmode, Signature)) == kOemDevmodeSignature) {
        // The output's own Size is trusted only as far as the record's real size: a larger
        // value would let the copy run past the driver's buffer.
        const DWORD bytes = std::min({ReadDword(output, offsetof(OemDevmode, Size)),
                                      ReadDword(input, offsetof(OemDevmode, Size)), kOemDevmodeSize});
        std::memmove(output, input, bytes);
        WriteDword(output, offsetof(OemDevmode, Size), kOemDevmodeSize);
        WriteDword(output, offsetof(OemDevmode, Version), kOemDevmodeVersion);
        return;
    }
    // Foreign data: defaults, but the output keeps the document name it holds.
    OemDevmode& record = *static_cast<OemDevmode*>(output);
    WCHAR jobName[kSlotUnits];
    std::memcpy(jobName, record.JobName, sizeof jobName);
    WriteRecordDefaults(record, defaults);
    std::memcpy(record.JobName, jobName, sizeof jobName);
}

HRESULT RecordDevMode(DWORD mode, OEMDMPARAM* param, const RecordDefaults& defaults) {
    if (param == nullptr || mode < OEMDM_SIZE || mode > OEMDM_MERGE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    switch (mode) {
    case OEMDM_SIZE:
        param->cbBufSize = kOemDevmodeSize;
        break;
    case OEMDM_DEFAULT:
        param->cbBufSize = kOemDevmodeSize;
        if (param->pOEMDMOut != nullptr) WriteRecordDefaults(*static_cast<OemDevmode*>(param->pOEMDMOut), defaults);
        break;
    case OEMDM_CONVERT:
        ConvertRecord(param->pOEMDMIn, param->pOEMDMOut, defaults);
        break;
    case OEMDM_MERGE:
        ConvertRecord(param->pOEMDMIn, param->pOEMDMOut, defaults);
        if (param->pOEMDMOut != nullptr) StampHeader(param->pOEMDMOut);
        break;
    }
    return S_OK;
}

HRESULT RecordGetInfo(DWORD kind, PVOID buffer, DWORD size, PDWORD needed, PublisherInfoAnswer publisherInfo) {
    const bool knownKind = kind == OEMGI_GETSIGNATURE || kind == OEMGI_GETVERSION || kind == OEMGI_GETPUBLISHERINFO;
    if (needed == nullptr || !knownKind) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return E_FAIL;
    }
    if (kind == OEMGI_GETPUBLISHERINFO && publisherInfo == PublisherInfoAnswer::EightBytesNeeded) {
        *needed = 8;
        return E_FAIL;
    }
    *needed = sizeof(DWORD);
    if (size < sizeof(DWORD) || buffer == nullptr) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return E_FAIL;
    }
    if (kind == OEMGI_GETPUBLISHERINFO) {
        *needed = 0;
        SetLastError(ERROR_NOT_SUPPORTED);
        return E_FAIL;
    }
    const DWORD value = kind == OEMGI_GETSIGNATURE ? kOemDevmodeSignature : kOemDevmodeVersion;
    std::memcpy(buffer, &value, sizeof value);
    return S_OK;
}
