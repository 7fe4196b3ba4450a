#include "platform/gtk/timer_control.h"

namespace kameng::gtk {

TimerControl::TimerControl(ControlHost& host, ControlDescription description, NativeHandle handle)
    : Control(host, std::move(description), handle) {
    setPeriod(this->description().period);
}

void TimerControl::setPeriod(int period) {
    if (period < 0) period = 0;
    if (period == period_) return;
    period_ = period;
    source_.reset();
    if (period_ > 0) source_ = SourceId(g_timeout_add(static_cast<guint>(period_), onTick, this));
}

gboolean TimerControl::onTick(gpointer self) {
    // A handler that changes the period or ends the window removes this
    // source itself; GLib then ignores what is returned here.
    static_cast<TimerControl*>(self)->raise(Event::Tick);
    return G_SOURCE_CONTINUE;
}

void TimerControl::detach() {
    source_.reset();
    Control::detach();
}

Value TimerControl::property(int number) const {
    if (number == prop::Period) return period_;
    return Control::property(number);
}

void TimerControl::setProperty(int number, const Value& value) {
    if (number == prop::Period) return setPeriod(value.number());
    Control::setProperty(number, value);
}

}  // namespace kameng::gtk
