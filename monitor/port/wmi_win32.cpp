// The WMI walk over Win32_PnPEntity. COM is initialised for the walk only; every interface pointer and
// property value is owned, so each early return releases what was taken.
#include "wmi_win32.h"

#include <windows.h>
#include <wbemidl.h>

#include "framework/com_ptr.h"
#include "monitor/port/pnp_entity_match.h"

namespace monitor {

namespace {

class ComScope {
public:
    ComScope() : m_ok(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
    ~ComScope() {
        if (m_ok)
            ::CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool Ok() const { return m_ok; }

private:
    bool m_ok;
};

class Variant {
public:
    Variant() { ::VariantInit(&m_value); }
    ~Variant() { ::VariantClear(&m_value); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT* Put() { return &m_value; }
    bool IsString() const { return m_value.vt == VT_BSTR && m_value.bstrVal; }
    std::string Ansi() const {
        if (!IsString())
            return std::string();
        const int length = ::WideCharToMultiByte(CP_ACP, 0, m_value.bstrVal, -1, nullptr, 0, nullptr, nullptr);
        if (length <= 1)
            return std::string();
        std::string text(static_cast<size_t>(length), '\0');
        ::WideCharToMultiByte(CP_ACP, 0, m_value.bstrVal, -1, &text[0], length, nullptr, nullptr);
        text.resize(static_cast<size_t>(length - 1));
        return text;
    }

private:
    VARIANT m_value;
};

class Bstr {
public:
    explicit Bstr(const wchar_t* text) : m_value(::SysAllocString(text)) {}
    ~Bstr() { ::SysFreeString(m_value); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR Get() const { return m_value; }

private:
    BSTR m_value;
};

bool ConnectToCimv2(fw::ComPtr<IWbemLocator>& locator, fw::ComPtr<IWbemServices>& services) {
    // Another part of the process may already have set COM security: that is no reason to give up.
    const HRESULT security = ::CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                                    RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    if (FAILED(security) && security != RPC_E_TOO_LATE)
        return false;
    if (FAILED(::CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                  locator.PutVoid())))
        return false;
    Bstr nameSpace(L"ROOT\\CIMV2");
    if (FAILED(locator->ConnectServer(nameSpace.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                      services.Put())))
        return false;
    return SUCCEEDED(::CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                         RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE));
}

} // namespace

bool FindParallelDeviceId(std::string& lptDeviceKey) {
    ComScope com;
    if (!com.Ok())
        return false;
    fw::ComPtr<IWbemLocator> locator;
    fw::ComPtr<IWbemServices> services;
    if (!ConnectToCimv2(locator, services))
        return false;

    Bstr language(L"WQL");
    Bstr query(L"SELECT * FROM Win32_PnPEntity");
    fw::ComPtr<IEnumWbemClassObject> entities;
    if (FAILED(services->ExecQuery(language.Get(), query.Get(), WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY,
                                   nullptr, entities.Put())))
        return false;

    for (;;) {
        fw::ComPtr<IWbemClassObject> entity;
        ULONG returned = 0;
        if (entities->Next(WBEM_INFINITE, 1, entity.Put(), &returned) != WBEM_S_NO_ERROR || returned == 0)
            break;
        Variant name;
        if (FAILED(entity->Get(L"Name", 0, name.Put(), nullptr, nullptr)) || !name.IsString())
            continue;
        const std::string ansiName = name.Ansi();
        if (ansiName.find(lptDeviceKey) == std::string::npos)
            continue;
        Variant deviceId;
        if (SUCCEEDED(entity->Get(L"PNPDeviceID", 0, deviceId.Put(), nullptr, nullptr)) && deviceId.IsString())
            ApplyPnpEntity(lptDeviceKey, ansiName, deviceId.Ansi());
    }
    return true;
}

} // namespace monitor
