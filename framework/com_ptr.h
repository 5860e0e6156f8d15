// ComPtr: the owner of one COM interface pointer, released when it goes.
// Enough for the WMI walk and the shell link; no reference juggling beyond that.
#pragma once

namespace fw {

template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (m_p)
            m_p->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    Interface* operator->() const { return m_p; }
    Interface* Get() const { return m_p; }
    Interface** Put() { return &m_p; }
    void** PutVoid() { return reinterpret_cast<void**>(&m_p); }
    explicit operator bool() const { return m_p != nullptr; }

private:
    Interface* m_p = nullptr;
};

} // namespace fw
