#pragma once

// The numbered input and output ports of a plug-in instance. A port joins its owner's set and the
// host's object tracker when made and leaves both when destroyed; positions count from 1. The
// fallback port stands in for a port that is not there and refuses to be used.

#include "hostframework/host_error.h"
#include "hostframework/plugin_model/clear_out.h"

#include <cstdint>

class CPlugIn;

class CPlugInPort {
public:
    CPlugInPort(const CPlugInPort&) = delete;
    CPlugInPort& operator=(const CPlugInPort&) = delete;

    virtual ~CPlugInPort() = default;
    virtual bool IsConnected() { return connection != 0; }
    virtual bool IsAvailable() { return true; }
    virtual std::int32_t Connect(std::int32_t handle)
    {
        connection = handle;
        return 0;
    }
    virtual std::int32_t Disconnect()
    {
        connection = 0;
        return 0;
    }
    virtual std::int32_t Operation6(std::int32_t* a, std::int32_t* b)
    {
        ClearOut(a, b);
        return kHostErrNoRoutine;
    }
    virtual std::int32_t Operation7() { return 0; }
    virtual std::int32_t Operation8(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Operation9(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Operation10(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Operation11(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Operation12(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Operation13(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Operation14(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Operation15() { return 0; }
    virtual void Operation16(std::int32_t) {}
    // Sends the port's owner and position to the object tracker.
    virtual void Report();

    CPlugIn* GetOwner() const { return owner; }
    std::int32_t GetPosition() const { return position; }
    // The channel the port carries in the current block, for an instance that renders its ports.
    void SetBuffer(float* channel, std::int32_t frameCount)
    {
        buffer = channel;
        frames = frameCount;
    }
    float* GetBuffer() const { return buffer; }
    std::int32_t GetFrames() const { return frames; }

protected:
    CPlugInPort(CPlugIn* owner, std::int32_t position) : owner(owner), position(position) {}

private:
    std::int32_t connection = 0;
    CPlugIn* owner;
    std::int32_t position;
    float* buffer = nullptr;
    std::int32_t frames = 0;
};

class CPlugInInput : public CPlugInPort {
public:
    // Position 0 puts the port after the owner's last input.
    CPlugInInput(CPlugIn& owner, std::int32_t position);
    ~CPlugInInput() override;
};

class CPlugInOutput : public CPlugInPort {
public:
    // Position 0 puts the port after the owner's last output.
    CPlugInOutput(CPlugIn& owner, std::int32_t position);
    ~CPlugInOutput() override;
};

// Lives inside a type, joins no set and does not register.
class CDefaultPlugInPort : public CPlugInPort {
public:
    explicit CDefaultPlugInPort(CPlugIn& owner) : CPlugInPort(&owner, 0) {}

    bool IsConnected() override { return true; }
    bool IsAvailable() override { return false; }
    std::int32_t Connect(std::int32_t) override { return kHostErrConnectionPosition; }
    std::int32_t Disconnect() override { return kHostErrConnectionPosition; }
    std::int32_t Operation6(std::int32_t* a, std::int32_t* b) override
    {
        ClearOut(a, b);
        return kHostErrConnectionPosition;
    }
    std::int32_t Operation8(std::int32_t) override { return kHostErrConnectionPosition; }
    std::int32_t Operation9(std::int32_t) override { return kHostErrConnectionPosition; }
};
