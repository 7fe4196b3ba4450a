// 时钟: raises its tick every period milliseconds; never visible.
#pragma once

#include "platform/gtk/control.h"

namespace kameng::gtk {

class TimerControl : public Control {
public:
    TimerControl(ControlHost& host, ControlDescription description, NativeHandle handle);

    Value property(int number) const override;
    void setProperty(int number, const Value& value) override;
    void detach() override;

private:
    // Below 0 counts as 0, which stops the timer; the current period
    // changes nothing; any other restarts the countdown.
    void setPeriod(int period);
    static gboolean onTick(gpointer self);

    int period_ = 0;
    SourceId source_;
};

}  // namespace kameng::gtk
