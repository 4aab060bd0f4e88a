// The two exports of a settings plug-in library.
#include "common/class_factory.h"
#include "ps_ui/code/oem_ui.h"

STDAPI PLUGIN_EXPORT DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* object) {
    return GetPluginClassObject<IOemUI>(CLSID_SettingsPlugin, rclsid, riid, object);
}

STDAPI PLUGIN_EXPORT DllCanUnloadNow() { return ModuleCanUnloadNow(); }
