#pragma once
// Which window is in front. Windows compare the answer with their own handle.
namespace vrh {

using WindowHandle = const void*;

class Foreground {
public:
    virtual ~Foreground() = default;
    virtual WindowHandle foregroundWindow() const = 0;
};

class ScriptedForeground : public Foreground {
public:
    WindowHandle foregroundWindow() const override { return front_; }
    void setForeground(WindowHandle w) { front_ = w; }

private:
    WindowHandle front_ = nullptr;
};

}  // namespace vrh
