// The two exports of the render plug-in library.
#include "common/class_factory.h"
#include "ps3_motor/oem_ps.h"

STDAPI PLUGIN_EXPORT DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* object) {
    return GetPluginClassObject<IOemuiPS>(CLSID_RenderPlugin, rclsid, riid, object);
}

STDAPI PLUGIN_EXPORT DllCanUnloadNow() { return ModuleCanUnloadNow(); }
