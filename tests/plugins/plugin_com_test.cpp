// The COM entry both plug-ins share, through each loaded library's two exports: the class
// factory, reference counts, unload counting and GetInfo, where the two differ only in the
// publisher-info answer.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>

#include "tests/plugins/plugin_library.h"

namespace {

constexpr IID kUnservedInterface = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
constexpr DWORD kUntouchedError = 0xBADC0DE;

struct PluginCase {
    const char* name;
    const char* path;
    CLSID classId;
    CLSID otherClassId;
    IID objectInterface;
    DWORD publisherInfoNeeded;
    DWORD publisherInfoError;
};

// Test names and failure messages show the plug-in's name rather than the row's bytes.
void PrintTo(const PluginCase& plugin, std::ostream* out) { *out << plugin.name; }

const PluginCase kPlugins[] = {
    {"kvui01", KV_SETTINGS_PLUGIN_FILE, kSettingsClass, kRenderClass, IID_IPrintOemUI, 0, ERROR_NOT_SUPPORTED},
    {"kvjob", KV_RENDER_PLUGIN_FILE, kRenderClass, kSettingsClass, IID_IPrintOemPS, 8, kUntouchedError},
};

class PluginComTest : public testing::TestWithParam<PluginCase> {
protected:
    void SetUp() override { ASSERT_TRUE(library_.loaded()) << GetParam().path; }

    IClassFactory* Factory() const {
        void* factory = nullptr;
        EXPECT_EQ(library_.GetClassObject(GetParam().classId, IID_IClassFactory, &factory), S_OK);
        return static_cast<IClassFactory*>(factory);
    }

    PluginLibrary library_{GetParam().path};
};

TEST_P(PluginComTest, GetClassObjectServesOnlyItsClassAndTheFactoryInterfaces) {
    const PluginCase& plugin = GetParam();
    struct Row {
        const char* name;
        CLSID classId;
        IID riid;
        HRESULT expected;
    };
    const Row rows[] = {
        {"other plug-in's class", plugin.otherClassId, IID_IClassFactory, CLASS_E_CLASSNOTAVAILABLE},
        {"unknown class", kUnservedInterface, IID_IClassFactory, CLASS_E_CLASSNOTAVAILABLE},
        {"factory as IClassFactory", plugin.classId, IID_IClassFactory, S_OK},
        {"factory as IUnknown", plugin.classId, IID_IUnknown, S_OK},
        {"plug-in interface from the factory", plugin.classId, plugin.objectInterface, E_NOINTERFACE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        void* object = reinterpret_cast<void*>(1);
        EXPECT_EQ(library_.GetClassObject(row.classId, row.riid, &object), row.expected);
        if (row.expected == S_OK) {
            ASSERT_NE(object, nullptr);
            auto* factory = static_cast<IUnknown*>(object);
            EXPECT_EQ(ReferenceCount(factory), 1u) << "the caller holds the only reference";
            EXPECT_EQ(factory->Release(), 0u);
        } else {
            EXPECT_EQ(object, nullptr);
        }
        EXPECT_EQ(library_.CanUnloadNow(), S_OK);
    }
}

TEST_P(PluginComTest, CreateInstanceHandsOutOnlyTheObjectsInterfaces) {
    const PluginCase& plugin = GetParam();
    IClassFactory* factory = Factory();
    ASSERT_NE(factory, nullptr);
    struct Row {
        const char* name;
        IID riid;
        HRESULT expected;
    };
    const Row rows[] = {
        {"plug-in interface", plugin.objectInterface, S_OK},
        {"IUnknown", IID_IUnknown, S_OK},
        {"class factory", IID_IClassFactory, E_NOINTERFACE},
        {"unknown interface", kUnservedInterface, E_NOINTERFACE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        void* object = reinterpret_cast<void*>(1);
        EXPECT_EQ(factory->CreateInstance(nullptr, row.riid, &object), row.expected);
        if (row.expected == S_OK) {
            ASSERT_NE(object, nullptr);
            auto* created = static_cast<IUnknown*>(object);
            EXPECT_EQ(ReferenceCount(created), 1u);
            EXPECT_EQ(created->AddRef(), 2u);
            EXPECT_EQ(created->Release(), 1u);
            EXPECT_EQ(library_.CanUnloadNow(), S_FALSE) << "a live object keeps the module";
            EXPECT_EQ(created->Release(), 0u);
        } else {
            EXPECT_EQ(object, nullptr);
        }
        EXPECT_EQ(library_.CanUnloadNow(), S_OK) << "no object is left alive";
    }
    factory->Release();
}

TEST_P(PluginComTest, AggregationIsRefused) {
    IClassFactory* factory = Factory();
    ASSERT_NE(factory, nullptr);
    void* outer = nullptr;
    ASSERT_EQ(library_.GetClassObject(GetParam().classId, IID_IUnknown, &outer), S_OK);
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->CreateInstance(static_cast<IUnknown*>(outer), GetParam().objectInterface, &object),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(library_.CanUnloadNow(), S_OK);
    static_cast<IUnknown*>(outer)->Release();
    factory->Release();
}

TEST_P(PluginComTest, ServerLocksKeepTheModuleUntilAllAreTakenBack) {
    IClassFactory* factory = Factory();
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(library_.CanUnloadNow(), S_OK) << "a factory alone does not keep the module";
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(library_.CanUnloadNow(), S_FALSE);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(library_.CanUnloadNow(), S_FALSE);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(library_.CanUnloadNow(), S_OK);
    EXPECT_EQ(factory->Release(), 0u);
}

TEST_P(PluginComTest, GetInfoAnswersSignatureAndVersion) {
    const PluginCase& plugin = GetParam();
    auto* object = static_cast<IPrintOemCommon*>(library_.CreateObject(plugin.classId, plugin.objectInterface));
    ASSERT_NE(object, nullptr);
    struct Row {
        const char* name;
        DWORD kind;
        DWORD bufferSize;
        HRESULT expected;
        DWORD needed;
        DWORD value;
        DWORD error;
    };
    const Row rows[] = {
        {"signature, 3-byte buffer", OEMGI_GETSIGNATURE, 3, E_FAIL, 4, 0, ERROR_INSUFFICIENT_BUFFER},
        {"signature", OEMGI_GETSIGNATURE, 4, S_OK, 4, 0x44535256, kUntouchedError},
        {"version", OEMGI_GETVERSION, 4, S_OK, 4, 1, kUntouchedError},
        {"interface version", OEMGI_GETINTERFACEVERSION, 4, E_FAIL, 0xFFFF, 0, ERROR_INVALID_PARAMETER},
        {"publisher info", OEMGI_GETPUBLISHERINFO, 4, E_FAIL, plugin.publisherInfoNeeded, 0,
         plugin.publisherInfoError},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DWORD buffer[2] = {};
        DWORD needed = 0xFFFF;
        SetLastError(kUntouchedError);
        EXPECT_EQ(object->GetInfo(row.kind, buffer, row.bufferSize, &needed), row.expected);
        EXPECT_EQ(needed, row.needed);
        EXPECT_EQ(buffer[0], row.value);
        EXPECT_EQ(GetLastError(), row.error);
    }
    object->Release();
    EXPECT_EQ(library_.CanUnloadNow(), S_OK);
}

INSTANTIATE_TEST_SUITE_P(Plugins, PluginComTest, testing::ValuesIn(kPlugins),
                         [](const testing::TestParamInfo<PluginCase>& param) { return std::string(param.param.name); });

}  // namespace
