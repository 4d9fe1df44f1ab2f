#include "feedback/RtMidiLibrary.h"

#include "feedback/SharedLibrary.h"

#include <map>
#include <mutex>

RtMidiLibrary::RtMidiLibrary() = default;

RtMidiLibrary::~RtMidiLibrary() = default;

std::shared_ptr<const RtMidiLibrary> RtMidiLibrary::Load(const std::string& name)
{
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const RtMidiLibrary>> loaded;
    std::lock_guard lock(mutex);
    auto [entry, first] = loaded.try_emplace(name);
    if (!first)
        return entry->second;

    auto library = std::make_shared<RtMidiLibrary>();
    library->m_library = SharedLibrary::Open(name);
    const SharedLibrary* shared = library->m_library.get();
    if (shared && shared->Resolve(library->outCreateDefault, "rtmidi_out_create_default") &&
        shared->Resolve(library->outFree, "rtmidi_out_free") &&
        shared->Resolve(library->getPortCount, "rtmidi_get_port_count") &&
        shared->Resolve(library->getPortName, "rtmidi_get_port_name") &&
        shared->Resolve(library->openPort, "rtmidi_open_port") &&
        shared->Resolve(library->outSendMessage, "rtmidi_out_send_message"))
        entry->second = std::move(library);
    return entry->second;
}
