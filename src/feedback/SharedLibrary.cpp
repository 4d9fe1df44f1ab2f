#include "feedback/SharedLibrary.h"

#include <dlfcn.h>

void SharedLibrary::Closer::operator()(void* handle) const
{
    dlclose(handle);
}

SharedLibrary::SharedLibrary(void* handle)
    : m_handle(handle)
{}

std::unique_ptr<SharedLibrary> SharedLibrary::Open(const std::string& name)
{
    // Local: the symbols are reached through Resolve only and clash with nothing else.
    // Never unmapped: the sound libraries keep state in their globals (ALSA's configuration
    // cache) that an unload would strand as leaked memory.
    void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!handle)
        return nullptr;
    return std::unique_ptr<SharedLibrary>(new SharedLibrary(handle));
}

void* SharedLibrary::Symbol(const char* name) const
{
    return dlsym(m_handle.get(), name);
}
