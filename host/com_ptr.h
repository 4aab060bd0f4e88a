// Holds one reference on a COM interface and releases it when it goes.
#pragma once

#include <utility>

template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference the caller already holds.
    explicit ComPtr(Interface* pointer) : pointer_(pointer) {}
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ~ComPtr() { Reset(); }

    void Reset() {
        if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
    }
    Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // For out-parameters: the slot to receive a new reference (whatever was held is released).
    void** Receive() {
        Reset();
        return reinterpret_cast<void**>(&pointer_);
    }

private:
    Interface* pointer_ = nullptr;
};
