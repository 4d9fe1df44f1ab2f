#pragma once

#include "feedback/MidiPort.h"

#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

// What reached the MIDI outputs of a test, shared between the ports it opened.
struct MidiLog
{
    std::mutex mutex;
    std::vector<int> opened; // device numbers asked for
    std::vector<int> closed; // devices whose port was destroyed
    std::vector<MidiMessage> sent;
    bool openFails = false;
    bool openThrows = false;
    bool sendThrows = false;

    // Opens recording ports for MidiTicker.
    auto Opener()
    {
        return [this](int device) -> std::unique_ptr<MidiPort> {
            std::lock_guard lock(mutex);
            opened.push_back(device);
            if (openThrows)
                throw std::runtime_error("no device");
            if (openFails)
                return nullptr;
            return std::make_unique<Port>(*this, device);
        };
    }

    std::vector<MidiMessage> Sent()
    {
        std::lock_guard lock(mutex);
        return sent;
    }

    class Port : public MidiPort
    {
    public:
        Port(MidiLog& log, int device)
            : m_log(log)
            , m_device(device)
        {}
        ~Port() override
        {
            std::lock_guard lock(m_log.mutex);
            m_log.closed.push_back(m_device);
        }
        void Send(const MidiMessage& message) override
        {
            std::lock_guard lock(m_log.mutex);
            if (m_log.sendThrows)
                throw std::runtime_error("device gone");
            m_log.sent.push_back(message);
        }

    private:
        MidiLog& m_log;
        int m_device;
    };
};
