// A desktop of the test's own for GIO to find handlers in: temporary XDG
// directories whose only programs are stubs that write the address they
// are given to a file. GLib reads these directories once per process, so a
// StubDesktop must exist before GTK starts and only one per process.
#pragma once

#include <string>
#include <vector>

namespace kameng::gtk::testing {

class StubDesktop {
public:
    enum class Handlers {
        Nothing,       // no program opens anything (no web view works then)
        WebAndMail,    // a browser for http, https and mailto addresses
        WebPagesOnly,  // only a viewer registered for text/html (nor then)
    };

    explicit StubDesktop(Handlers handlers);
    ~StubDesktop();
    StubDesktop(const StubDesktop&) = delete;
    StubDesktop& operator=(const StubDesktop&) = delete;

    // False when GLib had already read another desktop in this process.
    static bool canTakeEffect();
    // The addresses the stubs were started with, in order.
    std::vector<std::string> opened() const;

private:
    std::string folder_;
};

}  // namespace kameng::gtk::testing
