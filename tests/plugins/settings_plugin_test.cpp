// The settings plug-in's own IPrintOemUI methods, through the loaded kvui01 library: the colour
// profile answer, the About page on the printer's property sheet, the first CommonUIProp call
// and the keeping of the driver's interface.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/plugins/plugin_library.h"

namespace {

class SettingsPluginTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library_.loaded()) << KV_SETTINGS_PLUGIN_FILE;
        plugin_ = static_cast<IPrintOemUI*>(library_.CreateObject(kSettingsClass, IID_IPrintOemUI));
        ASSERT_NE(plugin_, nullptr);
    }
    void TearDown() override {
        if (plugin_ != nullptr) {
            EXPECT_EQ(plugin_->Release(), 0u);
        }
        EXPECT_EQ(library_.CanUnloadNow(), S_OK);
    }

    PluginLibrary library_{KV_SETTINGS_PLUGIN_FILE};
    IPrintOemUI* plugin_ = nullptr;
};

// --- QueryColorProfile -------------------------------------------------------------------------

TEST_F(SettingsPluginTest, QueryColorProfileNamesTheProfileFileForDeviceQueries) {
    constexpr ULONG kUntouched = 0xA5A5;
    constexpr DWORD kUntouchedError = 0xBADC0DE;
    struct Row {
        const char* name;
        ULONG queryMode;
        bool withBuffer;
        ULONG size;
        HRESULT expected;
        ULONG sizeAfter;
        DWORD error;
    };
    const Row rows[] = {
        {"32 bytes", QCP_DEVICEPROFILE, true, 32, S_OK, 32, kUntouchedError},
        {"more than enough", QCP_DEVICEPROFILE, true, 64, S_OK, 32, kUntouchedError},
        {"31 bytes", QCP_DEVICEPROFILE, true, 31, E_FAIL, 32, ERROR_INSUFFICIENT_BUFFER},
        {"no buffer", QCP_DEVICEPROFILE, false, 0, E_FAIL, 32, ERROR_INSUFFICIENT_BUFFER},
        {"source profile", QCP_SOURCEPROFILE, true, 64, E_FAIL, 64, kUntouchedError},
        {"source profile, no buffer", QCP_SOURCEPROFILE, false, 0, E_FAIL, 0, kUntouchedError},
    };
    static const WCHAR kExpectedName[] = WIDE("OEMPROFILE.icm");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BYTE buffer[64];
        std::memset(buffer, 0xCC, sizeof buffer);
        ULONG size = row.size;
        FLONG flags = kUntouched;
        SetLastError(kUntouchedError);
        EXPECT_EQ(plugin_->QueryColorProfile(nullptr, nullptr, nullptr, nullptr, row.queryMode,
                                             row.withBuffer ? buffer : nullptr, &size, &flags),
                  row.expected);
        EXPECT_EQ(size, row.sizeAfter);
        EXPECT_EQ(GetLastError(), row.error);
        if (row.expected == S_OK) {
            EXPECT_EQ(flags, QCP_PROFILEDISK);
            EXPECT_EQ(std::memcmp(buffer, kExpectedName, sizeof kExpectedName), 0);
            EXPECT_EQ(buffer[32], 0xCC) << "nothing written past the 32 bytes";
        } else {
            EXPECT_EQ(flags, kUntouched);
            EXPECT_EQ(buffer[0], 0xCC);
        }
    }
}

TEST_F(SettingsPluginTest, QueryColorProfileWithoutSizePointerFails) {
    BYTE buffer[32] = {};
    FLONG flags = 0;
    EXPECT_EQ(plugin_->QueryColorProfile(nullptr, nullptr, nullptr, nullptr, QCP_DEVICEPROFILE, buffer, nullptr,
                                         &flags),
              E_FAIL);
}

// --- DevicePropertySheets ----------------------------------------------------------------------

// The common property sheet's service function: records the page it is asked to add and answers
// with a set value.
struct SheetRecorder {
    static LONG_PTR CALLBACK ComPropSheet(HANDLE sheet, UINT function, LPARAM lParam1, LPARAM lParam2) {
        ++calls;
        lastSheet = sheet;
        lastFunction = function;
        lastLParam2 = lParam2;
        std::memcpy(&page, reinterpret_cast<const void*>(lParam1), sizeof page);
        pageSize = page.dwSize;
        return answer;
    }
    static void Reset(LONG_PTR newAnswer) {
        calls = 0;
        answer = newAnswer;
        page = PROPSHEETPAGEW_V4{};
    }
    static inline int calls = 0;
    static inline LONG_PTR answer = 1;
    static inline HANDLE lastSheet = nullptr;
    static inline UINT lastFunction = 0;
    static inline LPARAM lastLParam2 = -1;
    static inline DWORD pageSize = 0;
    static inline PROPSHEETPAGEW_V4 page{};
};

HANDLE const kSheet = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(0x5EE7));

TEST_F(SettingsPluginTest, DevicePropertySheetsAnswersEachReason) {
    constexpr ULONG_PTR kUntouched = 0x77;
    struct Row {
        const char* name;
        WORD reason;
        LONG_PTR sheetAnswer;
        LRESULT setResult;
        HRESULT expected;
        ULONG_PTR result;
        int pagesAsked;
    };
    const Row rows[] = {
        {"INIT, page accepted", PROPSHEETUI_REASON_INIT, 1, 0, S_OK, 1, 1},
        {"INIT, page accepted with a large answer", PROPSHEETUI_REASON_INIT, 0x7FFF, 0, S_OK, 1, 1},
        {"INIT, page refused", PROPSHEETUI_REASON_INIT, 0, 0, E_FAIL, 0, 1},
        {"INIT, sheet fails", PROPSHEETUI_REASON_INIT, -1, 0, E_FAIL, 0, 1},
        {"DESTROY", PROPSHEETUI_REASON_DESTROY, 1, 0, S_OK, 1, 0},
        {"SET_RESULT, positive", PROPSHEETUI_REASON_SET_RESULT, 1, 2, S_OK, 2, 0},
        {"SET_RESULT, zero", PROPSHEETUI_REASON_SET_RESULT, 1, 0, E_FAIL, 0, 0},
        {"SET_RESULT, negative", PROPSHEETUI_REASON_SET_RESULT, 1, -3, E_FAIL, static_cast<ULONG_PTR>(-3), 0},
        {"SET_RESULT, -1 in the low 32 bits", PROPSHEETUI_REASON_SET_RESULT, 1, 0xFFFFFFFF, E_FAIL,
         static_cast<ULONG_PTR>(-1), 0},
        {"GET_INFO_HEADER", PROPSHEETUI_REASON_GET_INFO_HEADER, 1, 0, E_FAIL, 0, 0},
        {"GET_ICON", PROPSHEETUI_REASON_GET_ICON, 1, 0, E_FAIL, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HANDLE heap = HeapCreate(0, 0, 0);
        ASSERT_NE(heap, nullptr);
        OEMUIPSPARAM driverParam{};
        driverParam.cbSize = sizeof driverParam;
        driverParam.hOEMHeap = heap;
        PROPSHEETUI_INFO info{};
        info.cbSize = sizeof info;
        info.Reason = row.reason;
        info.hComPropSheet = kSheet;
        info.pfnComPropSheet = &SheetRecorder::ComPropSheet;
        info.lParamInit = reinterpret_cast<LPARAM>(&driverParam);
        info.Result = kUntouched;
        SETRESULT_INFO setResult{};
        setResult.cbSize = sizeof setResult;
        setResult.Result = row.setResult;
        SheetRecorder::Reset(row.sheetAnswer);

        EXPECT_EQ(plugin_->DevicePropertySheets(&info, reinterpret_cast<LPARAM>(&setResult)), row.expected);
        EXPECT_EQ(info.Result, row.result);
        EXPECT_EQ(SheetRecorder::calls, row.pagesAsked);
        EXPECT_EQ(driverParam.pOEMUserData != nullptr, row.reason == PROPSHEETUI_REASON_INIT);
        EXPECT_TRUE(HeapDestroy(heap));
    }
}

TEST_F(SettingsPluginTest, InitAddsTheAboutPageAndKeepsTheSheetWithTheDriversBlock) {
    HANDLE heap = HeapCreate(0, 0, 0);
    ASSERT_NE(heap, nullptr);
    OEMUIPSPARAM driverParam{};
    driverParam.cbSize = sizeof driverParam;
    driverParam.hOEMHeap = heap;
    PROPSHEETUI_INFO info{};
    info.cbSize = sizeof info;
    info.Reason = PROPSHEETUI_REASON_INIT;
    info.hComPropSheet = kSheet;
    info.pfnComPropSheet = &SheetRecorder::ComPropSheet;
    info.lParamInit = reinterpret_cast<LPARAM>(&driverParam);
    SheetRecorder::Reset(1);

    ASSERT_EQ(plugin_->DevicePropertySheets(&info, 0), S_OK);

    EXPECT_EQ(SheetRecorder::lastSheet, kSheet);
    EXPECT_EQ(SheetRecorder::lastFunction, static_cast<UINT>(CPSFUNC_ADD_PROPSHEETPAGEW));
    EXPECT_EQ(SheetRecorder::lastLParam2, 0);
    const PROPSHEETPAGEW_V4& page = SheetRecorder::page;
    EXPECT_EQ(SheetRecorder::pageSize, 104u);
    EXPECT_EQ(page.dwFlags, 0u);
    EXPECT_EQ(page.hInstance, library_.module()) << "the page's dialog comes from the plug-in's own resources";
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(page.pszTemplate), 111u);
    EXPECT_EQ(page.lParam, reinterpret_cast<LPARAM>(&driverParam));
    EXPECT_EQ(page.hIcon, nullptr);
    EXPECT_EQ(page.pszTitle, nullptr);
    EXPECT_EQ(page.pfnCallback, nullptr);
    EXPECT_EQ(page.pcRefParent, nullptr);
    ASSERT_NE(page.pfnDlgProc, nullptr);
    EXPECT_EQ(page.pfnDlgProc(nullptr, WM_INITDIALOG, 0, 0), TRUE);
    for (UINT message : {0x0002u /* destroy */, 0x0111u /* command */, 0x004Eu /* notify */, 0x0053u /* help */}) {
        EXPECT_EQ(page.pfnDlgProc(nullptr, message, 0, 0), FALSE) << message;
    }

    // Three pointer-sized words from the driver's heap: the sheet, its service function, nothing.
    ASSERT_NE(driverParam.pOEMUserData, nullptr);
    ULONG_PTR words[3];
    std::memcpy(words, driverParam.pOEMUserData, sizeof words);
    EXPECT_EQ(words[0], reinterpret_cast<ULONG_PTR>(kSheet));
    EXPECT_EQ(words[1], reinterpret_cast<ULONG_PTR>(&SheetRecorder::ComPropSheet));
    EXPECT_EQ(words[2], 0u);
    EXPECT_TRUE(HeapFree(heap, 0, driverParam.pOEMUserData)) << "the block belongs to the driver's heap";
    EXPECT_TRUE(HeapDestroy(heap));
}

TEST_F(SettingsPluginTest, DevicePropertySheetsWithoutItsBlocksFailsSafely) {
    EXPECT_EQ(plugin_->DevicePropertySheets(nullptr, 0), E_FAIL);

    // INIT without the driver's block: nothing to allocate from, Result left alone, no page.
    PROPSHEETUI_INFO info{};
    info.Reason = PROPSHEETUI_REASON_INIT;
    info.pfnComPropSheet = &SheetRecorder::ComPropSheet;
    info.Result = 0x77;
    SheetRecorder::Reset(1);
    EXPECT_EQ(plugin_->DevicePropertySheets(&info, 0), E_FAIL);
    EXPECT_EQ(info.Result, 0x77u);
    EXPECT_EQ(SheetRecorder::calls, 0);

    // SET_RESULT without its SETRESULT_INFO.
    info.Reason = PROPSHEETUI_REASON_SET_RESULT;
    EXPECT_EQ(plugin_->DevicePropertySheets(&info, 0), E_FAIL);
    EXPECT_EQ(info.Result, 0u);
}

// --- CommonUIProp ------------------------------------------------------------------------------

TEST_F(SettingsPluginTest, CommonUIPropFirstCallAsksForFifteenItems) {
    OEMCUIPPARAM param{};
    param.cbSize = sizeof param;
    EXPECT_EQ(plugin_->CommonUIProp(OEMCUIP_DOCPROP, &param), S_OK);
    EXPECT_EQ(param.cOEMOptItems, 15u);
    EXPECT_NE(param.OEMCUIPCallback, nullptr);
    EXPECT_EQ(param.pOEMOptItems, nullptr);
    EXPECT_EQ(param.pOEMUserData, nullptr);
}

TEST_F(SettingsPluginTest, CommonUIPropModes) {
    struct Row {
        const char* name;
        DWORD mode;
        HRESULT expected;
        DWORD error;
    };
    constexpr DWORD kUntouchedError = 0xBADC0DE;
    const Row rows[] = {
        {"printer properties get no items", OEMCUIP_PRNPROP, S_OK, kUntouchedError},
        {"mode 0", 0, E_FAIL, ERROR_INVALID_PARAMETER},
        {"mode 3", 3, E_FAIL, ERROR_INVALID_PARAMETER},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OEMCUIPPARAM param{};
        param.cbSize = sizeof param;
        SetLastError(kUntouchedError);
        EXPECT_EQ(plugin_->CommonUIProp(row.mode, &param), row.expected);
        EXPECT_EQ(GetLastError(), row.error);
        EXPECT_EQ(param.cOEMOptItems, 0u);
        EXPECT_EQ(param.OEMCUIPCallback, nullptr);
    }
    SetLastError(kUntouchedError);
    EXPECT_EQ(plugin_->CommonUIProp(OEMCUIP_DOCPROP, nullptr), E_FAIL);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

// --- PublishDriverInterface --------------------------------------------------------------------

// The driver's object: answers IPrintOemDriverUI unless told not to, and counts the questions.
class DriverUI final : public IPrintOemDriverUI {
public:
    explicit DriverUI(bool answers) : answers_(answers) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        ++queries;
        if (answers_ && (IsEqualIID(riid, IID_IPrintOemDriverUI) || IsEqualIID(riid, IID_IUnknown))) {
            *object = static_cast<IPrintOemDriverUI*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID, PCSTR, PVOID, DWORD, PDWORD, PDWORD) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DrvUpgradeRegistrySetting(HANDLE, PCSTR, PCSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DrvUpdateUISetting(PVOID, PVOID, DWORD, DWORD) override { return E_NOTIMPL; }

    int queries = 0;
    ULONG references = 1;

private:
    bool answers_;
};

TEST_F(SettingsPluginTest, PublishDriverInterfaceKeepsTheFirstInterfaceItGets) {
    DriverUI refusing(false);
    EXPECT_EQ(plugin_->PublishDriverInterface(&refusing), E_FAIL);
    EXPECT_EQ(refusing.references, 1u);

    DriverUI driver(true);
    EXPECT_EQ(plugin_->PublishDriverInterface(&driver), S_OK);
    EXPECT_EQ(plugin_->PublishDriverInterface(&driver), S_OK);
    EXPECT_EQ(driver.queries, 1) << "the second call does not ask again";
    EXPECT_EQ(driver.references, 2u) << "the plug-in holds one reference";

    EXPECT_EQ(plugin_->Release(), 0u);
    plugin_ = nullptr;
    EXPECT_EQ(driver.references, 1u) << "the last Release gives the reference back";
}

}  // namespace
