#pragma once

#include <memory>
#include <string>

// A shared library loaded at run time, so the program starts without it and its
// dependencies. Unloaded when the last owner lets go.
class SharedLibrary
{
public:
    // nullptr when the library cannot be loaded.
    static std::unique_ptr<SharedLibrary> Open(const std::string& name);

    // False, with the function left null, when the library lacks it.
    template <typename Function>
    bool Resolve(Function*& function, const char* name) const
    {
        function = reinterpret_cast<Function*>(Symbol(name));
        return function != nullptr;
    }

private:
    struct Closer
    {
        void operator()(void* handle) const;
    };

    explicit SharedLibrary(void* handle);
    void* Symbol(const char* name) const;

    std::unique_ptr<void, Closer> m_handle;
};
