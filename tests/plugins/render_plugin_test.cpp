// The render plug-in's own IPrintOemPS methods, through the loaded kvjob library: its record
// defaults, the hook table, the per-PDEV block and Command at every injection point with a
// recording IPrintOemDriverPS.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/oem_devmode.h"
#include "ps3_motor/oem_pdev.h"
#include "tests/plugins/plugin_library.h"

namespace {

// The driver's service object: answers IPrintOemDriverPS, keeps what is written into the
// stream and has no colour setting to report.
class RecordingDriver final : public IPrintOemDriverPS {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        ++queries;
        if (IsEqualIID(riid, IID_IPrintOemDriverPS) || IsEqualIID(riid, IID_IUnknown)) {
            *object = static_cast<IPrintOemDriverPS*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID, PCSTR, PVOID, DWORD, PDWORD needed, PDWORD) override {
        if (needed != nullptr) *needed = 0;
        return E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE DrvWriteSpoolBuf(PDEVOBJ, PVOID buffer, DWORD size, DWORD* written) override {
        stream.append(static_cast<const char*>(buffer), size);
        if (written != nullptr) *written = size;
        return S_OK;
    }

    int queries = 0;
    ULONG references = 1;
    std::string stream;
};

BOOL APIENTRY DriverStartDoc(SURFOBJ*, LPWSTR, DWORD) { return TRUE; }
BOOL APIENTRY OtherDriverFunction(SURFOBJ*, LPWSTR, DWORD) { return FALSE; }

using AnyFunction = void (*)();
PFN TableEntry(PFN_DrvStartDoc function) { return reinterpret_cast<PFN>(reinterpret_cast<AnyFunction>(function)); }

class RenderPluginTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library_.loaded()) << KV_RENDER_PLUGIN_FILE;
        plugin_ = static_cast<IPrintOemPS*>(library_.CreateObject(kRenderClass, IID_IPrintOemPS));
        ASSERT_NE(plugin_, nullptr);
    }
    void TearDown() override {
        if (plugin_ != nullptr) {
            EXPECT_EQ(plugin_->Release(), 0u);
        }
        EXPECT_EQ(library_.CanUnloadNow(), S_OK);
    }

    // A record with the plug-in's own defaults, made through DevMode as the driver makes it.
    std::vector<BYTE> DefaultRecord() {
        OEMDMPARAM param{};
        param.cbSize = sizeof param;
        EXPECT_EQ(plugin_->DevMode(OEMDM_SIZE, &param), S_OK);
        EXPECT_EQ(param.cbBufSize, sizeof(OemDevmode));
        std::vector<BYTE> record(param.cbBufSize);
        param.pOEMDMOut = record.data();
        EXPECT_EQ(plugin_->DevMode(OEMDM_DEFAULT, &param), S_OK);
        return record;
    }

    PluginLibrary library_{KV_RENDER_PLUGIN_FILE};
    IPrintOemPS* plugin_ = nullptr;
};

TEST_F(RenderPluginTest, DefaultRecordUsesTheRenderDefaults) {
    std::vector<BYTE> bytes = DefaultRecord();
    OemDevmode record;
    std::memcpy(&record, bytes.data(), sizeof record);
    EXPECT_EQ(record.Signature, 0x44535256u);
    EXPECT_EQ(record.JobTicketOn, 1u);
    EXPECT_EQ(record.ScalingMode, 2u);
    EXPECT_EQ(record.CutLength, 240);
    EXPECT_EQ(record.Alignment, 5u);
    EXPECT_EQ(record.CutMethod, 2u);
}

TEST_F(RenderPluginTest, EnableDriverHooksTheStartOfDocument) {
    DRVENABLEDATA data{};
    EXPECT_EQ(plugin_->EnableDriver(0, 0, &data), S_OK);
    EXPECT_EQ(data.iDriverVersion, 0x00010000u);
    ASSERT_EQ(data.c, 1u);
    ASSERT_NE(data.pdrvfn, nullptr);
    EXPECT_EQ(data.pdrvfn[0].iFunc, 35u);
    EXPECT_NE(data.pdrvfn[0].pfn, nullptr);
    EXPECT_EQ(plugin_->EnableDriver(0, 0, nullptr), S_OK);
}

TEST_F(RenderPluginTest, EnablePDEVKeepsTheDriversStartOfDocument) {
    struct Row {
        const char* name;
        std::vector<DRVFN> table;
        PFN_DrvStartDoc expected;
    };
    const PFN other = TableEntry(&OtherDriverFunction);
    const Row rows[] = {
        {"entry at the last place", {{1, other}, {2, other}, {INDEX_DrvStartDoc, TableEntry(&DriverStartDoc)}},
         &DriverStartDoc},
        {"entry at the first place", {{INDEX_DrvStartDoc, TableEntry(&DriverStartDoc)}, {2, other}}, &DriverStartDoc},
        {"first of two entries", {{INDEX_DrvStartDoc, TableEntry(&DriverStartDoc)}, {INDEX_DrvStartDoc, other}},
         &DriverStartDoc},
        {"no entry", {{1, other}, {34, other}, {36, other}}, nullptr},
        {"empty table", {}, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<DRVFN> table = row.table;
        DRVENABLEDATA driverData{0x00010000, static_cast<ULONG>(table.size()), table.empty() ? nullptr : table.data()};
        DEVOBJ devobj{};
        devobj.dwSize = sizeof devobj;
        PDEVOEM pdev = nullptr;
        ASSERT_EQ(plugin_->EnablePDEV(&devobj, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, &driverData, &pdev),
                  S_OK);
        ASSERT_NE(pdev, nullptr);
        EXPECT_EQ(static_cast<OemPdev*>(pdev)->DrvStartDoc, row.expected);

        devobj.pdevOEM = pdev;
        EXPECT_EQ(plugin_->DisablePDEV(&devobj), S_OK);
        EXPECT_EQ(devobj.pdevOEM, nullptr);
    }
}

TEST_F(RenderPluginTest, CommandWritesNothingBeforeTheDriverInterfaceIsPublished) {
    std::vector<BYTE> record = DefaultRecord();
    DEVOBJ devobj{};
    devobj.dwSize = sizeof devobj;
    devobj.pOEMDM = record.data();
    for (DWORD point = 1; point <= kLastInjectionPoint; ++point) {
        DWORD result = 0;
        EXPECT_EQ(plugin_->Command(&devobj, point, nullptr, 0, &result), S_FALSE) << point;
    }
}

TEST_F(RenderPluginTest, CommandWritesAtTheBeginningAndTheEndOfTheStreamOnly) {
    RecordingDriver driver;
    ASSERT_EQ(plugin_->PublishDriverInterface(&driver), S_OK);
    std::vector<BYTE> record = DefaultRecord();
    DEVOBJ devobj{};
    devobj.dwSize = sizeof devobj;
    devobj.pOEMDM = record.data();

    const std::string begin = "*VorJobBegin\r\n\xFF\xFE";
    const std::string data = "*VORJobData\r\n";
    for (DWORD point = 1; point <= kLastInjectionPoint; ++point) {
        SCOPED_TRACE(point);
        driver.stream.clear();
        DWORD result = 0xFFFF;
        EXPECT_EQ(plugin_->Command(&devobj, point, nullptr, 0, &result), S_OK);
        EXPECT_EQ(result, 0u);
        if (point == PSINJECT_BEGINSTREAM) {
            ASSERT_GT(driver.stream.size(), begin.size() + data.size());
            EXPECT_EQ(driver.stream.substr(0, begin.size()), begin);
            EXPECT_EQ(driver.stream.substr(driver.stream.size() - data.size()), data);
        } else if (point == PSINJECT_EOF) {
            EXPECT_EQ(driver.stream, "*VORJobEnd\r\n");
        } else {
            EXPECT_EQ(driver.stream, "");
        }
    }

    // After DisableDriver the service interface is gone: nothing more is written.
    EXPECT_EQ(plugin_->DisableDriver(), S_OK);
    EXPECT_EQ(driver.references, 1u);
    driver.stream.clear();
    DWORD result = 0;
    EXPECT_EQ(plugin_->Command(&devobj, PSINJECT_EOF, nullptr, 0, &result), S_FALSE);
    EXPECT_EQ(driver.stream, "");
}

TEST_F(RenderPluginTest, PublishDriverInterfaceAsksOnce) {
    RecordingDriver driver;
    EXPECT_EQ(plugin_->PublishDriverInterface(&driver), S_OK);
    EXPECT_EQ(plugin_->PublishDriverInterface(&driver), S_OK);
    EXPECT_EQ(driver.queries, 1);
    EXPECT_EQ(driver.references, 2u);
    EXPECT_EQ(plugin_->Release(), 0u);
    plugin_ = nullptr;
    EXPECT_EQ(driver.references, 1u);
}

}  // namespace
